#include "verdicts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <utility>

#include "quillet_strings.h"
#include "tester_reads.h"

namespace quillet::model {
namespace {

// Tests-mask bits of the standard.
constexpr std::uint16_t kTestLoop = 0x0004;
constexpr std::uint16_t kTestLengthDelaySkew = 0x0008;
constexpr std::uint16_t kTestZc = 0x0020;

std::uint16_t kindTestBit(int kind) {
    switch (kind) {
    case kind::kNext: return 0x1000;
    case kind::kPsNext: return 0x0800;
    case kind::kElfext: return 0x0400;
    case kind::kPsElfext: return 0x0200;
    case kind::kAcr: return 0x0100;
    case kind::kPsAcr: return 0x0080;
    case kind::kReturnLoss: return 0x0040;
    case kind::kAttenuation: return 0x2000;
    default: return 0;
    }
}

std::uint16_t blockWord(const CPrise &plug, std::size_t offset) {
    return static_cast<std::uint16_t>(plug.block[offset] | (plug.block[offset + 1] << 8));
}

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// "*" marks a result within the measurement uncertainty.
std::string marked(std::string text, bool near) { return near ? withoutTrailingBlanks(std::move(text)) + "*" : text; }

// The rule of a value against a maximum with its uncertainty: pass, and
// near when within the uncertainty on either side of the limit.
void judgeMaximum(float value, float limit, float uncertainty, Verdict &v) {
    v.pass = value <= limit;
    v.near = v.pass ? value > limit - uncertainty : value <= limit + uncertainty;
}

bool exempt(const CPrise &plug, int kind, Side side) {
    const bool tester = side == Side::Tester;
    if (kind == kind::kReturnLoss) return (tester ? plug.rlTesterExempt : plug.rlRemoteExempt) != 0;
    if (kind == kind::kNext) return (tester ? plug.nextTesterExempt : plug.nextRemoteExempt) != 0;
    if (kind == kind::kPsNext) return (tester ? plug.psNextTesterExempt : plug.psNextRemoteExempt) != 0;
    return false;
}

std::size_t opticalTableOf(const CCable &cable) {
    if (!cable.fibreFlag2) return 2;
    if (!cable.fibreFlag1) return 1;
    return 0;
}

}  // namespace

SiteVerdicts::SiteVerdicts(const CSite &site, NumberFormat format) : site_(site), format_(format) {
    const CNorm &norm = site.standard;
    for (int p = 0; p < 4 && static_cast<int>(pairs_.size()) < norm.pairCount; ++p) {
        if (norm.pairMask & (1 << (2 * p))) pairs_.push_back(p);
    }
    for (std::size_t i = 0; i < norm.sweep.size() && i < 4; ++i)
        sweep_[i] = {norm.sweep[i].start, norm.sweep[i].step, norm.sweep[i].lastIndex};
    for (int k = 0; k < kind::kCount; ++k) {
        const auto *records = norm.limitCurve(k);
        hasLimit_[k] = records && records->size() >= 2;
        if (hasLimit_[k]) limits_[k] = toLinkCurve(*records);
    }
}

std::string SiteVerdicts::passText(bool pass, bool near) const {
    return marked(resourceString(pass ? ids::kPass : ids::kFail), near);
}

Verdict SiteVerdicts::notMeasured(const char *unit) const {
    Verdict v;
    v.text = "####";
    if (unit && site_.standard.isValueMode()) v.text += unit;
    return v;
}

float SiteVerdicts::metresPerNanosecond() const {
    return static_cast<float>(site_.nvp) / 10.0f * 0.3f / 100.0f;
}

// The first failing pair fails the measurement; a later failing pair
// replaces a failure within the uncertainty by its own nearness, while a
// failure beyond it is final. Before any failure a passing pair within the
// uncertainty sets near, and later passing pairs never clear it.
Verdict SiteVerdicts::perPairVerdict(const CPrise &, bool measured, std::uint16_t limit, float u,
                                     const std::vector<float> &values) const {
    Verdict v;
    v.measured = measured;
    if (!measured || limit == 0) return v;
    const auto L = static_cast<float>(limit);
    bool failed = false, near = false;
    for (float value : values) {
        if (value <= L) {
            if (!failed && !near) near = value > L - u;
        } else if (!failed || near) {
            failed = true;
            near = value <= L + u;
        }
    }
    v.pass = !failed;
    v.near = near;
    return v;
}

Verdict SiteVerdicts::mapping(const CPrise &plug) const {
    Verdict v;
    if (plug.isVoltageStop()) {
        v.text = resourceString(ids::kVolt);
        v.pass = false;
    } else if (plug.isWiringFailure()) {
        v.text = resourceString(ids::kFail);
        v.measured = true;
        v.pass = false;
    } else {
        v.measured = true;
        const bool fault = (plug.block[0] & 0x80) != 0;
        const bool shown = !fault || site_.standard.isValueMode() || site_.standard.isOptical();
        v.pass = shown;
        v.text = resourceString(shown ? ids::kPass : ids::kSplit);
    }
    return v;
}

// The per-pair value of length (m), delay (ns) or loop resistance (ohm);
// in value mode the block holds one value for all pairs.
float SiteVerdicts::pairValue(Column column, const CPrise &plug, int pair) const {
    const bool valueMode = site_.standard.isValueMode();
    const auto p = static_cast<std::size_t>(pair);
    if (column == Column::LoopResistance)
        return valueMode ? blockWord(plug, 4) / 10.0f : (blockWord(plug, 1 + 2 * p) >> 1) / 10.0f;
    const auto delayNs = static_cast<float>(blockWord(plug, valueMode ? 0 : 9 + 2 * p));
    return column == Column::Length ? delayNs * metresPerNanosecond() : delayNs;
}

std::vector<float> SiteVerdicts::pairValues(Column column, const CPrise &plug) const {
    std::vector<float> values;
    for (int p : pairs_) values.push_back(pairValue(column, plug, p));
    return values;
}

Verdict SiteVerdicts::delay(const CPrise &plug) const {
    if (!isComplete(plug) || !tests(kTestLengthDelaySkew)) return notMeasured(" ns");
    Verdict v = perPairVerdict(plug, true, site_.standard.maxDelay, site_.uncertainties[1], pairValues(Column::Delay, plug));
    v.text = site_.standard.isValueMode() ? format_.fixed(blockWord(plug, 0), 4, 0) + " ns" : passText(v.pass, false);
    v.text = marked(v.text, v.near);
    return v;
}

Verdict SiteVerdicts::length(const CPrise &plug) const {
    if (!isComplete(plug) || !tests(kTestLengthDelaySkew)) return notMeasured(" m");
    Verdict v =
        perPairVerdict(plug, true, site_.standard.maxLength, site_.uncertainties[0], pairValues(Column::Length, plug));
    v.text = site_.standard.isValueMode() ? format_.fixed(pairValue(Column::Length, plug, 0), 4, 1) + " m"
                                          : passText(v.pass, false);
    v.text = marked(v.text, v.near);
    return v;
}

Verdict SiteVerdicts::loopResistance(const CPrise &plug) const {
    if (!isComplete(plug) || !tests(kTestLoop)) return notMeasured(" Ohm");
    Verdict v = perPairVerdict(plug, true, site_.standard.maxLoopResistance, site_.uncertainties[3],
                               pairValues(Column::LoopResistance, plug));
    v.text = site_.standard.isValueMode() ? format_.fixed(blockWord(plug, 4) / 10.0, 4, 1) + " Ohm"
                                          : passText(v.pass, false);
    v.text = marked(v.text, v.near);
    return v;
}

std::optional<PairReading> SiteVerdicts::pairReading(Column column, const CPrise &plug, int pair) const {
    const CNorm &norm = site_.standard;
    std::uint16_t limit = 0;
    float u = 0;
    switch (column) {
    case Column::Length: limit = norm.maxLength, u = site_.uncertainties[0]; break;
    case Column::Delay: limit = norm.maxDelay, u = site_.uncertainties[1]; break;
    case Column::LoopResistance: limit = norm.maxLoopResistance, u = site_.uncertainties[3]; break;
    default: return std::nullopt;
    }
    if (!isComplete(plug) || !tests(column == Column::LoopResistance ? kTestLoop : kTestLengthDelaySkew))
        return std::nullopt;
    PairReading reading;
    reading.value = pairValue(column, plug, pair);
    if (limit != 0) {
        Verdict v;
        judgeMaximum(reading.value, limit, u, v);
        reading.pass = v.pass;
        reading.near = v.near;
    }
    return reading;
}

Verdict SiteVerdicts::skew(const CPrise &plug) const {
    if (!isComplete(plug) || !tests(kTestLengthDelaySkew)) return notMeasured(nullptr);
    Verdict v;
    v.measured = true;
    const std::uint16_t limit = site_.standard.maxSkew;
    if (limit != 0) {
        std::uint32_t smallest = 1000000, largest = 0;
        const bool valueMode = site_.standard.isValueMode();
        for (int p : pairs_) {
            const std::uint32_t d = blockWord(plug, valueMode ? 0 : 9 + 2 * static_cast<std::size_t>(p));
            smallest = std::min(smallest, d);
            largest = std::max(largest, d);
        }
        const float skewNs = pairs_.empty() ? 0.0f : static_cast<float>(largest - smallest);
        judgeMaximum(skewNs, limit, site_.uncertainties[2], v);
    }
    v.text = passText(v.pass, v.near);
    return v;
}

Verdict SiteVerdicts::zc(const CPrise &plug) const {
    // "####" alone: only length, delay and loop resistance get their unit.
    if (!isComplete(plug) || !tests(kTestZc) || !site_.standard.isValueMode()) return notMeasured(nullptr);
    Verdict v;
    v.measured = true;
    const int measuredZc = plug.block[8];
    const std::uint16_t tolerance = site_.standard.zcTolerance;
    if (tolerance != 0) {
        const auto d = static_cast<float>(std::abs(site_.cable.nominalImpedance - measuredZc));
        judgeMaximum(d, tolerance, site_.uncertainties[4], v);
    }
    v.text = marked(format_.fixed(measuredZc, 4, 0) + " Ohm", v.near);
    return v;
}

bool SiteVerdicts::kindMeasured(int kind, const CPrise &plug) const {
    const CNorm &norm = site_.standard;
    return isComplete(plug) && tests(kindTestBit(kind)) && !norm.isValueMode() && !norm.isOptical();
}

std::optional<WorstCaseVerdict> SiteVerdicts::worstCase(int kind, Side side, WorstEntry entry,
                                                        const CPrise &plug) const {
    if (!kindMeasured(kind, plug)) return std::nullopt;
    const auto worst = plug.worstCase(kind, side, entry);
    if (!worst) return std::nullopt;
    WorstCaseVerdict w;
    w.pairCode = worst->pairCode;
    w.valueDb = worst->valueDb();
    const std::int32_t kHz = TorvikSweepIdxToFrqKHz(sweep_, worst->sweepIndex);
    w.frequencyMHz = kHz / 1000.0;
    w.exempt = exempt(plug, kind, side);
    w.hasLimit = hasLimit_[kind];
    if (!w.hasLimit) return w;
    std::int16_t auxiliary = 0;
    std::int32_t clamped = 0;
    w.limitDb = TorvikGetGabValAtFrq(kHz, &limits_[kind], &auxiliary, &clamped) / 8.0;
    const double uncertainty = auxiliary / 8.0;
    const double margin = kind == kind::kAttenuation ? w.limitDb - w.valueDb : w.valueDb - w.limitDb;
    w.pass = margin >= 0;
    w.near = w.pass ? margin <= uncertainty : margin >= -uncertainty;
    return w;
}

// Every entry of every side that is not exempt must pass; any entry within
// the uncertainty makes the kind near. An entry the kind does not have
// passes.
Verdict SiteVerdicts::frequencyKind(int kind, const CPrise &plug) const {
    if (!kindMeasured(kind, plug)) return notMeasured(nullptr);
    Verdict v;
    v.measured = true;
    if (hasLimit_[kind]) {
        for (Side side : {Side::Tester, Side::Remote}) {
            for (WorstEntry entry : {WorstEntry::A, WorstEntry::B}) {
                const auto worst = worstCase(kind, side, entry, plug);
                if (!worst || worst->exempt) continue;
                v.pass &= worst->pass;
                v.near |= worst->near;
            }
        }
    }
    v.text = passText(v.pass, v.near);
    return v;
}

Verdict SiteVerdicts::attenuation(const CPrise &plug) const {
    if (site_.standard.isOptical()) return opticalAttenuation(plug);
    return frequencyKind(kind::kAttenuation, plug);
}

namespace {
std::string opticalLimitText(const NumberFormat &format, double limit) {
    return "(" + format.fixed(limit, 5, 2, true) + " dB)";
}
}  // namespace

std::vector<std::string> SiteVerdicts::opticalLimitTexts() const {
    std::vector<std::string> texts;
    for (const OpticalLimit &entry : site_.standard.optical[opticalTableOf(site_.cable)]) {
        if (entry.label != 0) texts.push_back(opticalLimitText(format_, entry.limit / 100.0));
    }
    return texts;
}

Verdict SiteVerdicts::opticalAttenuation(const CPrise &plug) const {
    Verdict total;
    const auto &table = site_.standard.optical[opticalTableOf(site_.cable)];
    const float u = site_.uncertainties[5];
    for (std::size_t i = 0; i < 2; ++i) {
        if (table[i].label == 0) continue;
        const double limit = table[i].limit / 100.0;
        Verdict entry;
        entry.measured = isComplete(plug) && tests(kindTestBit(kind::kAttenuation)) && (plug.block[3 * i] & 0x80);
        if (!entry.measured) {
            entry.text = "#####";
        } else {
            const double value = static_cast<std::int16_t>(blockWord(plug, 3 * i + 1)) / 100.0;
            entry.pass = limit >= value;
            entry.near = limit < value ? value <= limit + u : limit - u < value;
            entry.text = marked(withoutTrailingBlanks(format_.fixed(value, 5, 2)), entry.near);
        }
        total.text += entry.text + " dB\t" + opticalLimitText(format_, limit) + "\t\t";
        total.measured |= entry.measured;
        total.pass &= entry.pass;
        total.near |= entry.near;
        total.entries.push_back(std::move(entry));
    }
    return total;
}

Verdict SiteVerdicts::evaluate(Column column, const CPrise &plug) const {
    switch (column) {
    case Column::Mapping: return mapping(plug);
    case Column::Length: return length(plug);
    case Column::Delay: return delay(plug);
    case Column::Skew: return skew(plug);
    case Column::LoopResistance: return loopResistance(plug);
    case Column::Zc: return zc(plug);
    case Column::Next: return frequencyKind(kind::kNext, plug);
    case Column::PsNext: return frequencyKind(kind::kPsNext, plug);
    case Column::Elfext: return frequencyKind(kind::kElfext, plug);
    case Column::PsElfext: return frequencyKind(kind::kPsElfext, plug);
    case Column::Acr: return frequencyKind(kind::kAcr, plug);
    case Column::PsAcr: return frequencyKind(kind::kPsAcr, plug);
    case Column::ReturnLoss: return frequencyKind(kind::kReturnLoss, plug);
    case Column::Attenuation: return attenuation(plug);
    }
    return {};
}

bool SiteVerdicts::plugPassed(const CPrise &plug) { return plug.resultType == 4 || plug.resultType == 5; }

bool SiteVerdicts::plugNear(const CPrise &plug) const {
    for (int c = static_cast<int>(Column::Length); c < kColumnCount; ++c) {
        if (evaluate(static_cast<Column>(c), plug).near) return true;
    }
    return false;
}

bool SiteVerdicts::plugFailedNear(const CPrise &plug) const {
    bool near = false;
    if (!mapping(plug).pass) return false;
    for (int c = static_cast<int>(Column::Length); c < kColumnCount; ++c) {
        const Verdict v = evaluate(static_cast<Column>(c), plug);
        if (!v.pass && !v.near) return false;
        near |= v.near;
    }
    return near;
}

Tally SiteVerdicts::tally(const std::vector<const CPrise *> &plugs) const {
    Tally t;
    for (const CPrise *plug : plugs) {
        ++t.tested;
        if (plugPassed(*plug)) {
            if (plugNear(*plug)) ++t.passedNear;
        } else {
            ++t.failed;
            if (plugFailedNear(*plug)) ++t.failedNear;
        }
    }
    t.passed = t.tested - t.failed;
    return t;
}

std::string maskedPlugId(const std::string &id, const std::string &mask) {
    std::string key;
    std::size_t idPos = 0, maskPos = 0;
    for (std::size_t q; (q = mask.find('?', maskPos)) != std::string::npos;) {
        const std::size_t span = q - maskPos;
        key += id.substr(idPos, std::min(span, id.size() > idPos ? id.size() - idPos : 0));
        idPos = std::min(id.size(), idPos + span + 1);
        maskPos = q + 1;
    }
    if (idPos < id.size()) key += id.substr(idPos);
    return key;
}

// The order is that of a selection sort which swaps the best plug of
// positions i.. into position i (ties keep the earlier plug), reached in
// O(n log n): each key is computed once and ranked, and an ordered set of
// (rank, position) finds the best plug at each step and follows the plug
// that the swap moves.
void sortPlugs(CSite &site, int criterion, const std::string &idMask, bool ascending, NumberFormat format) {
    auto &plugs = site.plugs;
    const std::size_t count = plugs.size();
    std::vector<std::uint64_t> rank(count);
    if (criterion == 16) {
        for (std::size_t i = 0; i < count; ++i) rank[i] = plugs[i].testTime;
    } else {
        const SiteVerdicts verdicts(site, format);
        std::vector<std::string> keys(count);
        for (std::size_t i = 0; i < count; ++i) {
            const CPrise &plug = plugs[i];
            if (criterion == 2)
                keys[i] = verdicts.mapping(plug).text;
            else if (criterion >= 3 && criterion <= 15)
                keys[i] = verdicts.evaluate(static_cast<Column>(criterion - 2), plug).text;
            else
                keys[i] = maskedPlugId(plug.plugId, idMask);
        }
        std::vector<std::string> distinct = keys;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        for (std::size_t i = 0; i < count; ++i)
            rank[i] = static_cast<std::uint64_t>(std::lower_bound(distinct.begin(), distinct.end(), keys[i]) -
                                                 distinct.begin());
    }
    if (!ascending) {
        for (auto &r : rank) r = UINT64_MAX - r;
    }
    std::vector<std::size_t> at(count);  // position -> plug
    std::set<std::pair<std::uint64_t, std::size_t>> open;
    for (std::size_t i = 0; i < count; ++i) {
        at[i] = i;
        open.emplace(rank[i], i);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t best = open.begin()->second;
        open.erase(open.begin());
        if (best == i) continue;
        const std::size_t moved = at[i];
        open.erase({rank[moved], i});
        open.emplace(rank[moved], best);
        std::swap(at[i], at[best]);
    }
    std::vector<CPrise> sorted;
    sorted.reserve(count);
    for (std::size_t i = 0; i < count; ++i) sorted.push_back(std::move(plugs[at[i]]));
    plugs = std::move(sorted);
}

}  // namespace quillet::model
