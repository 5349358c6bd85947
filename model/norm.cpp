#include "norm.h"

#include <span>

#include "archive_reader.h"
#include "archive_writer.h"
#include "measure_kind.h"
#include "quillet_strings.h"

namespace quillet::model {
namespace {

constexpr std::size_t kLimitRecordBytes = 7;
constexpr std::size_t kSweepSegmentBytes = 6;

// Limit-curve position of kinds 0 to 7 (NEXT, ELFEXT, ATT, RL, ACR, PSNEXT,
// PSELFEXT, PSACR).
constexpr int kLimitIndex[kind::kCount] = {0, 4, 1, 2, 3, 5, 7, 6};

// A word count of at most `maximum` items of `itemBytes` each.
std::uint16_t readBoundedCount(ArchiveReader &ar, std::size_t maximum, std::size_t itemBytes,
                               const char *what) {
    const std::size_t at = ar.offset();
    const std::uint16_t count = ar.readWord();
    if (!ar.ok()) return 0;
    if (count > maximum) {
        ar.failAt(at, std::string(what) + " count " + std::to_string(count) + " above the " +
                          std::to_string(maximum) + " the tester can hold");
        return 0;
    }
    if (count * itemBytes > ar.remaining()) {
        ar.failAt(at, std::string(what) + " count " + std::to_string(count) + " needs " +
                          std::to_string(count * itemBytes) + " bytes, " + std::to_string(ar.remaining()) +
                          " left in the file");
        return 0;
    }
    return count;
}

// A curve or sweep longer than the tester's is cut to its size: a reader
// refuses more, and a file must stay readable.
std::size_t storedCount(std::size_t size, std::size_t maximum) { return size < maximum ? size : maximum; }

void storeLimitCurve(ArchiveWriter &ar, const std::vector<LimitRecord> &curve) {
    const std::size_t count = storedCount(curve.size(), CNorm::kMaxLimitRecords);
    ar.writeWord(static_cast<std::uint16_t>(count));
    for (const LimitRecord &r : std::span(curve).first(count)) {
        ar.writeWord(r.word0);
        ar.writeWord(r.word1);
        ar.writeWord(r.word2);
        ar.writeByte(r.byte6);
    }
}

void loadLimitCurve(ArchiveReader &ar, std::vector<LimitRecord> &curve) {
    const std::uint16_t count =
        readBoundedCount(ar, CNorm::kMaxLimitRecords, kLimitRecordBytes, "limit record");
    curve.assign(count, LimitRecord{});
    for (LimitRecord &r : curve) {
        r.word0 = ar.readWord();
        r.word1 = ar.readWord();
        r.word2 = ar.readWord();
        r.byte6 = ar.readByte();
    }
}

void storeSweep(ArchiveWriter &ar, const std::vector<SweepSegment> &sweep) {
    const std::size_t count = storedCount(sweep.size(), CNorm::kMaxSweepSegments);
    ar.writeWord(static_cast<std::uint16_t>(count));
    for (const SweepSegment &s : std::span(sweep).first(count)) {
        ar.writeWord(s.start);
        ar.writeWord(s.step);
        ar.writeWord(s.lastIndex);
    }
}

void loadSweep(ArchiveReader &ar, std::vector<SweepSegment> &sweep) {
    const std::uint16_t count =
        readBoundedCount(ar, CNorm::kMaxSweepSegments, kSweepSegmentBytes, "sweep segment");
    sweep.assign(count, SweepSegment{});
    for (SweepSegment &s : sweep) {
        s.start = ar.readWord();
        s.step = ar.readWord();
        s.lastIndex = ar.readWord();
    }
}

OpticalLimit readOpticalLimit(ArchiveReader &ar) {
    OpticalLimit entry;
    entry.label = ar.readWord();
    entry.limit = ar.readShort();
    return entry;
}

}  // namespace

int CNorm::limitIndexOfKind(int kind) {
    return kind >= 0 && kind < kind::kCount ? kLimitIndex[kind] : -1;
}

const std::vector<LimitRecord> *CNorm::limitCurve(int kind) const {
    const int index = limitIndexOfKind(kind);
    return index < 0 ? nullptr : &limits[static_cast<std::size_t>(index)];
}

LimitDirection CNorm::limitDirection(int kind) {
    return kind == kind::kAttenuation ? LimitDirection::Maximum : LimitDirection::Minimum;
}

int CNorm::sweepPointCount() const { return sweep.empty() ? 0 : sweep.back().lastIndex + 1; }

std::string CNorm::displayName() const {
    if (!isOptical()) return name;
    const std::string prefix = name.find("ISO11801") == std::string::npos ? "TIA568B " : "";
    return prefix + name + " (" + resourceString(301) + ")";
}

void CNorm::store(ArchiveWriter &ar) const {
    ar.writeString(name);
    ar.writeByte(pairCount);
    ar.writeByte(pairMask);
    for (std::uint16_t w : {zcTolerance, maxLoopResistance, maxLength, maxSkew, maxDelay, testsMask}) {
        ar.writeWord(w);
    }
    ar.writeByte(flags);
    ar.writeDword(maxFrequency);
    ar.writeRaw(wireNumbers);
    for (const auto &curve : limits) storeLimitCurve(ar, curve);
    storeSweep(ar, sweep);
    for (const auto &table : optical) {
        for (const OpticalLimit &entry : table) {
            ar.writeWord(entry.label);
            ar.writeShort(entry.limit);
        }
    }
}

void CNorm::load(ArchiveReader &ar) {
    if (!ar.passes(Gate::NormRecord)) return;
    const bool hasWireNumbers = ar.passes(Gate::NormWireNumbers);
    const bool hasOptical = ar.passes(Gate::NormOpticalTables);
    const bool threeTables = ar.passes(Gate::NormThreeOpticalTables);
    const bool hundredths = ar.passes(Gate::NormOpticalHundredths);
    ArchiveReader::Scope scope(ar, "CNorm");
    name = ar.readString();
    pairCount = ar.readByte();
    pairMask = ar.readByte();
    for (std::uint16_t *w : {&zcTolerance, &maxLoopResistance, &maxLength, &maxSkew, &maxDelay, &testsMask}) {
        *w = ar.readWord();
    }
    flags = ar.readByte();
    maxFrequency = ar.readDword();
    if (hasWireNumbers) ar.readRaw(wireNumbers);
    for (std::size_t i = 0; i < kLimitCurveCount; ++i) {
        ArchiveReader::Scope curveScope(ar, "limit curve", static_cast<std::int64_t>(i));
        loadLimitCurve(ar, limits[i]);
    }
    loadSweep(ar, sweep);
    if (hasOptical) loadOpticalTables(ar, threeTables, hundredths);
}

// Before three tables a document held two: the first serves both
// multi-mode fibres, the second mono mode. Before hundredths it held tenths.
void CNorm::loadOpticalTables(ArchiveReader &ar, bool threeTables, bool hundredths) {
    if (threeTables) {
        for (auto &table : optical) {
            for (OpticalLimit &entry : table) entry = readOpticalLimit(ar);
        }
    } else {
        std::array<OpticalLimit, 2> multiMode{}, monoMode{};
        for (OpticalLimit &entry : multiMode) entry = readOpticalLimit(ar);
        for (OpticalLimit &entry : monoMode) entry = readOpticalLimit(ar);
        optical = {multiMode, multiMode, monoMode};
    }
    if (hundredths) return;
    for (auto &table : optical) {
        for (OpticalLimit &entry : table) entry.limit = static_cast<std::int16_t>(entry.limit * 10);
    }
}

}  // namespace quillet::model
