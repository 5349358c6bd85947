#include "prise.h"

#include <algorithm>

#include "archive_reader.h"
#include "archive_writer.h"
#include "object_array.h"

namespace quillet::model {
namespace {

// Block offset of each kind's worst-case group on the tester side; the
// remote group follows 6 bytes later. Attenuation has one entry, no side.
constexpr std::size_t kTesterGroup[kind::kCount] = {17, 29, 41, 47, 59, 71, 83, 95};
constexpr std::size_t kRemoteGroupDistance = 6;
constexpr std::size_t kEntryBDistance = 3;

}  // namespace

WorstCase decodeWorstCase(std::span<const std::uint8_t, 3> entry) {
    WorstCase wc;
    wc.pairCode = static_cast<std::uint8_t>(entry[0] >> 4);
    wc.rawValue = static_cast<std::uint16_t>(((entry[0] >> 2) & 3) * 256 + entry[1]);
    wc.sweepIndex = static_cast<std::uint16_t>((entry[0] & 3) * 256 + entry[2]);
    return wc;
}

std::vector<CGrphMes> *CPrise::curvesOfSlot(int slot) {
    if (slot < 0 || slot >= kCurveSlotCount) return nullptr;
    return &curves[static_cast<std::size_t>(slot)];
}

const std::vector<CGrphMes> *CPrise::curvesOfSlot(int slot) const {
    return const_cast<CPrise *>(this)->curvesOfSlot(slot);
}

const std::vector<CGrphMes> *CPrise::curvesOf(int kind, Side side) const {
    if (kind < 0 || kind >= kind::kCount) return nullptr;
    return curvesOfSlot(curveSlot(kind, side));
}

bool CPrise::hasAnyCurve() const {
    return std::any_of(curves.begin(), curves.end(), [](const auto &slot) { return !slot.empty(); });
}

bool CPrise::hasAnyCurveBeforePowerSums() const {
    return std::any_of(curves.begin(), curves.begin() + 9, [](const auto &slot) { return !slot.empty(); });
}

std::optional<std::array<std::uint8_t, 3>> CPrise::worstCaseBytes(int kind, Side side,
                                                                  WorstEntry entry) const {
    if (kind < 0 || kind >= kind::kCount) return std::nullopt;
    if (kind == kind::kAttenuation && (side == Side::Remote || entry == WorstEntry::B)) return std::nullopt;
    if (kind == kind::kReturnLoss && entry == WorstEntry::A) return std::nullopt;
    std::size_t offset = kTesterGroup[kind];
    if (side == Side::Remote) offset += kRemoteGroupDistance;
    if (entry == WorstEntry::B) offset += kEntryBDistance;
    return std::array<std::uint8_t, 3>{block[offset], block[offset + 1], block[offset + 2]};
}

std::optional<WorstCase> CPrise::worstCase(int kind, Side side, WorstEntry entry) const {
    const auto bytes = worstCaseBytes(kind, side, entry);
    if (!bytes) return std::nullopt;
    return decodeWorstCase(*bytes);
}

void CPrise::store(ArchiveWriter &ar) const {
    ar.writeString(plugId);
    ar.writeString(text2);
    ar.writeDword(testTime);
    ar.writeLong(resultType);
    ar.writeLong(rlTesterExempt);
    ar.writeLong(rlRemoteExempt);
    ar.writeLong(nextTesterExempt);
    ar.writeLong(nextRemoteExempt);
    ar.writeLong(psNextTesterExempt);
    ar.writeLong(psNextRemoteExempt);
    ar.writeRaw(block);
    for (const auto &slot : curves) storeObjectArray(ar, slot);
}

void CPrise::load(ArchiveReader &ar) {
    if (!ar.passes(Gate::PriseRecord)) return;
    const bool hasRl = ar.passes(Gate::PriseRlExemptions);
    const bool hasNext = ar.passes(Gate::PriseNextExemptions);
    const bool hasPsNext = ar.passes(Gate::PrisePsNextExemptions);
    const bool hasCurves = ar.passes(Gate::PriseCurves);
    plugId = ar.readString();
    text2 = ar.readString();
    testTime = ar.readDword();
    resultType = ar.readLong();
    if (hasRl) {
        rlTesterExempt = ar.readLong();
        // Before the NEXT exemptions the remote one was a single byte.
        rlRemoteExempt = hasNext ? ar.readLong() : (ar.readByte() != 0 ? 1 : 0);
    }
    if (hasNext) {
        nextTesterExempt = ar.readLong();
        nextRemoteExempt = ar.readLong();
    }
    if (hasPsNext) {
        psNextTesterExempt = ar.readLong();
        psNextRemoteExempt = ar.readLong();
    }
    ar.readRaw(block);
    if (!hasCurves) return;
    for (std::size_t slot = 0; slot < curves.size() && ar.ok(); ++slot) {
        ArchiveReader::Scope scope(ar, "curve slot", static_cast<std::int64_t>(slot));
        loadObjectArray(ar, curves[slot], "curves");
    }
}

}  // namespace quillet::model
