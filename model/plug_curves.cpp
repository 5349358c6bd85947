#include "plug_curves.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "pair_names.h"
#include "plug_curve_math.h"
#include "quillet_strings.h"
#include "tester_reads.h"

namespace quillet::model {
namespace {

constexpr std::size_t kSectionBody = 405;  // bytes after the common section header
constexpr std::int32_t kDerivedVerdict = 3;

const std::vector<CGrphMes> &slotOf(const CPrise &plug, int kind, Side side) {
    static const std::vector<CGrphMes> none;
    const auto *curves = plug.curvesOf(kind, side);
    return curves ? *curves : none;
}

bool hasCurves(const CPrise &plug, int kind, Side side) { return !slotOf(plug, kind, side).empty(); }

// Value i of the slot's curve of a pair code; 0 when missing or short.
double valueAt(const std::vector<CGrphMes> &slot, int code, int i) {
    for (const CGrphMes &curve : slot) {
        if (curve.limitFlag == 0 && curve.pairCode == code)
            return i < curve.values.GetSize() ? curve.values.GetAt(i) : 0.0;
    }
    return 0.0;
}

curves::PairValues attenuationAt(const CPrise &plug, int i) {
    const auto &slot = slotOf(plug, kind::kAttenuation, Side::Tester);
    return {valueAt(slot, 0, i), valueAt(slot, 1, i), valueAt(slot, 2, i), valueAt(slot, 3, i)};
}

curves::CombinationValues combinationsAt(const CPrise &plug, int kind, Side side, int i) {
    const auto &slot = slotOf(plug, kind, side);
    curves::CombinationValues out{};
    for (int k = 0; k < 6; ++k) out[static_cast<std::size_t>(k)] = valueAt(slot, k, i);
    return out;
}

Side otherSide(Side side) { return side == Side::Tester ? Side::Remote : Side::Tester; }

// The tester's worst cases replace the curve point at their frequency.
void applyWorstCases(const CPrise &plug, const CurveContext &context, int kind, Side side, int code,
                     float mhz, double &value) {
    for (WorstEntry entry : {WorstEntry::A, WorstEntry::B}) {
        const auto worst = plug.worstCase(kind, side, entry);
        if (!worst || worst->pairCode != code) continue;
        const auto entryMHz = static_cast<float>(context.grid.kHzOfIndex(worst->sweepIndex) / 1000.0);
        if (entryMHz == mhz) value = worst->valueDb();
    }
}

using DerivedValues = std::function<std::vector<double>(int sweepIndex)>;

// Derived curves of one kind and side, one per code, from values computed
// at every sweep point.
void buildDerived(CPrise &plug, const CurveContext &context, int kind, Side side, const std::vector<int> &codes,
                  const DerivedValues &valuesAt) {
    std::vector<CGrphMes> made(codes.size());
    for (std::size_t j = 0; j < codes.size(); ++j) {
        made[j].kind = kind;
        made[j].side = static_cast<std::int32_t>(side);
        made[j].pairCode = static_cast<std::uint8_t>(codes[j]);
        made[j].verdictCode = kDerivedVerdict;
        made[j].title = plugCurveTitle(context, kind, side, codes[j]);
    }
    for (int i = 0; i < context.grid.size(); ++i) {
        const std::vector<double> values = valuesAt(i);
        const float mhz = context.grid.mhz(i);
        for (std::size_t j = 0; j < codes.size(); ++j) {
            double value = values[j];
            applyWorstCases(plug, context, kind, side, codes[j], mhz, value);
            made[j].frequencies.Add(mhz);
            made[j].values.Add(static_cast<float>(value));
        }
    }
    auto *slot = plug.curvesOfSlot(curveSlot(kind, side));
    for (CGrphMes &curve : made) slot->push_back(std::move(curve));
}

template <std::size_t N>
std::vector<double> asVector(const std::array<double, N> &values) {
    return std::vector<double>(values.begin(), values.end());
}

const std::vector<int> kCombinationCodes{0, 1, 2, 3, 4, 5};
const std::vector<int> kReverseCodes{6, 7, 8, 9, 10, 11};
const std::vector<int> kPairCodes{0, 1, 2, 3};

void addReverseElfext(CPrise &plug, const CurveContext &context) {
    for (Side side : {Side::Tester, Side::Remote}) {
        // Both ends' ELFEXT are needed: the other end's as the source, this
        // end's for the curves to stand beside.
        if (!hasCurves(plug, kind::kElfext, otherSide(side)) || !hasCurves(plug, kind::kElfext, side)) return;
        buildDerived(plug, context, kind::kElfext, side, kReverseCodes, [&](int i) {
            return asVector(curves::reverseElfext(combinationsAt(plug, kind::kElfext, otherSide(side), i),
                                                  attenuationAt(plug, i)));
        });
    }
}

void addFromNext(CPrise &plug, const CurveContext &context, int kind, const std::vector<int> &codes,
                 const std::function<std::vector<double>(const curves::CombinationValues &,
                                                         const curves::PairValues &)> &derive) {
    for (Side side : {Side::Tester, Side::Remote}) {
        if (!hasCurves(plug, kind::kNext, side)) return;
        buildDerived(plug, context, kind, side, codes, [&](int i) {
            return derive(combinationsAt(plug, kind::kNext, side, i), attenuationAt(plug, i));
        });
    }
}

void addPowerSumElfext(CPrise &plug, const CurveContext &context) {
    if (!hasCurves(plug, kind::kElfext, Side::Tester) || !hasCurves(plug, kind::kElfext, Side::Remote)) return;
    for (Side side : {Side::Tester, Side::Remote}) {
        buildDerived(plug, context, kind::kPsElfext, side, kPairCodes, [&](int i) {
            const auto a = attenuationAt(plug, i);
            const auto reverse = curves::reverseElfext(combinationsAt(plug, kind::kElfext, otherSide(side), i), a);
            return asVector(curves::powerSumElfext(combinationsAt(plug, kind::kElfext, side, i), reverse));
        });
    }
}

}  // namespace

SweepGrid::SweepGrid(const CNorm &standard) {
    for (std::size_t i = 0; i < standard.sweep.size() && i < 4; ++i)
        segments_[i] = {standard.sweep[i].start, standard.sweep[i].step, standard.sweep[i].lastIndex};
    const int n = standard.sweepPointCount();
    kHz_.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) kHz_.push_back(TorvikSweepIdxToFrqKHz(segments_, i));
}

std::int32_t SweepGrid::kHz(int index) const {
    return index >= 0 && index < size() ? kHz_[static_cast<std::size_t>(index)] : 0;
}

std::int32_t SweepGrid::kHzOfIndex(int index) const { return TorvikSweepIdxToFrqKHz(segments_, index); }

std::string plugCurveTitle(const CurveContext &context, int kind, Side side, int pairCode) {
    return context.siteName + ": " + ":" + pairNameOfCode(context.convention, kind, side, pairCode) +
           (side == Side::Remote ? "R" : "");
}

CurveDecoder::CurveDecoder(const CurveContext &context, int firstCount, int stepCount)
    : context_(context),
      firstCount_(std::clamp(firstCount, 0, static_cast<int>(kSectionBody) - 6)),
      stepCount_(std::clamp(stepCount, 0, static_cast<int>(kSectionBody))) {}

void CurveDecoder::start(const SectionRecord &header) {
    discard();
    const std::uint8_t *body = header.body.raw;
    CGrphMes curve;
    curve.kind = body[0] >> 5;
    curve.side = (body[0] >> 4) & 1;
    curve.pairCode = body[0] & 0x0F;
    curve.verdictCode = body[1];
    curve.title = plugCurveTitle(context_, curve.kind, static_cast<Side>(curve.side), curve.pairCode);
    curve_ = std::move(curve);
    remaining_ = (context_.grid.size() + 1) / 2;
    std::int16_t first = 0;
    std::memcpy(&first, body + 2, sizeof first);
    running_ = first / 8.0;
    append(running_);
    takeSteps(body + 6, firstCount_);
}

void CurveDecoder::proceed(const SectionRecord &continuation) {
    if (curve_) takeSteps(continuation.body.raw, stepCount_);
}

void CurveDecoder::append(double value) {
    if (failed_ || remaining_ <= 0) return;
    // A received value stands on every second sweep point; one beyond the
    // sweep means the curve does not belong to this standard.
    if (context_.grid.kHz(static_cast<int>(2 * received_.size())) == 0) {
        failed_ = true;
        return;
    }
    received_.push_back(value);
    --remaining_;
}

void CurveDecoder::takeSteps(const std::uint8_t *steps, int count) {
    for (int i = 0; i < count && remaining_ > 0 && !failed_; ++i) {
        running_ += static_cast<std::int8_t>(steps[i]) / 8.0;
        append(running_);
    }
}

bool CurveDecoder::finish(CPrise &plug) {
    if (!curve_) return false;
    if (failed_ || received_.empty()) {
        discard();
        return false;
    }
    std::vector<double> grid;
    for (int i = 0; i < context_.grid.size(); ++i) grid.push_back(context_.grid.mhz(i));
    std::vector<double> values = curves::resampleOntoGrid(received_, grid);
    CGrphMes &curve = *curve_;
    const auto side = static_cast<Side>(curve.side);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float mhz = context_.grid.mhz(static_cast<int>(i));
        applyWorstCases(plug, context_, curve.kind, side, curve.pairCode, mhz, values[i]);
        curve.frequencies.Add(mhz);
        curve.values.Add(static_cast<float>(values[i]));
    }
    plug.curvesOfSlot(curveSlot(curve.kind, side))->push_back(std::move(curve));
    discard();
    return true;
}

void CurveDecoder::discard() {
    curve_.reset();
    received_.clear();
    remaining_ = 0;
    running_ = 0;
    failed_ = false;
}

void addDerivedCurves(CPrise &plug, const CurveContext &context) {
    addReverseElfext(plug, context);
    addFromNext(plug, context, kind::kAcr, kCombinationCodes,
                [](const curves::CombinationValues &next, const curves::PairValues &a) {
                    return asVector(curves::acr(next, a));
                });
    addFromNext(plug, context, kind::kPsNext, kPairCodes,
                [](const curves::CombinationValues &next, const curves::PairValues &) {
                    return asVector(curves::powerSumNext(next));
                });
    addPowerSumElfext(plug, context);
    addFromNext(plug, context, kind::kPsAcr, kPairCodes,
                [](const curves::CombinationValues &next, const curves::PairValues &a) {
                    return asVector(curves::powerSumAcr(curves::powerSumNext(next), a));
                });
}

std::optional<CGrphMes> limitCurveAt(const CNorm &standard, int kind, std::span<const float> frequencies) {
    const auto *records = standard.limitCurve(kind);
    if (!records || records->size() < 2) return std::nullopt;  // the standard sets no limit for this kind
    const LimitCurve linkCurve = toLinkCurve(*records);
    CGrphMes limit;
    limit.kind = kind;
    limit.limitFlag = 1;
    limit.title = standard.displayName() + ":" + resourceString(ids::kLimit) + ": ";
    for (float mhz : frequencies) {
        const auto kHz = static_cast<std::int32_t>(static_cast<double>(mhz) * 1000.0);
        if (kHz > static_cast<std::int64_t>(standard.maxFrequency)) break;
        std::int16_t auxiliary = 0;
        std::int32_t clamped = 0;
        const std::int32_t value = TorvikGetGabValAtFrq(kHz, &linkCurve, &auxiliary, &clamped);
        if (clamped != 0) continue;  // beyond the limit curve's last point
        limit.frequencies.Add(mhz);
        limit.values.Add(static_cast<float>(value / 8.0));
    }
    return limit;
}

void addLimitCurves(CPrise &plug, const CurveContext &context) {
    for (int slot = 0; slot < kCurveSlotCount; ++slot) {
        auto *curves = plug.curvesOfSlot(slot);
        const auto use = slotUse(slot);
        if (!curves || curves->empty() || !use) continue;
        auto limit = limitCurveAt(context.standard, use->kind, curves->front().frequencies.values());
        if (limit && limit->values.GetSize() > 0) curves->insert(curves->begin(), std::move(*limit));
    }
}

}  // namespace quillet::model
