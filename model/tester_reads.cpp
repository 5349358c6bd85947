#include "tester_reads.h"

#include <algorithm>
#include <cstring>

namespace quillet::model {
namespace {

// The tester's numbered message, cut at 80 characters.
int readMessage(std::string &text, int number) {
    char buffer[81] = {};
    const int result = TorvikGetMsg(buffer, number);
    text = buffer;
    return result == 0 ? 0 : -1;
}

// Limit numbers at record bytes 19..26, by kind in the tester's order.
struct LimitSource {
    int kind;
    int byteIndex;  // index into NormRecord::limitNrs
};
constexpr int kNext = 0, kElfext = 1, kAttenuation = 2, kReturnLoss = 3, kAcr = 4, kPsNext = 5, kPsElfext = 6,
              kPsAcr = 7;

int readLimit(CNorm &standard, int kind, int limitNumber) {
    LimitCurve curve{};
    uint16_t count = 0;
    if (TorvikGetLimit(&curve, &count, limitNumber) != 0) return -1;
    auto &records = standard.limits[static_cast<std::size_t>(CNorm::limitIndexOfKind(kind))];
    records.clear();
    for (uint16_t i = 0; i < count && i < CNorm::kMaxLimitRecords; ++i) {
        const LimitCurveRecord &r = curve.records[i];
        records.push_back({r.frequency, r.slope, r.value, r.auxiliary});
    }
    return 0;
}

// An attenuation limit of exactly 100.0 dB at 1 MHz means "no limit".
void dropPlaceholderAttenuation(CNorm &standard) {
    auto &records = standard.limits[static_cast<std::size_t>(CNorm::limitIndexOfKind(kAttenuation))];
    if (records.empty()) return;
    const LimitCurve curve = toLinkCurve(records);
    int16_t auxiliary = 0;
    int32_t clamped = 0;
    if (TorvikGetGabValAtFrq(1000, &curve, &auxiliary, &clamped) / 8.0 == 100.0) records.clear();
}

int readCopperLimits(CNorm &standard, const NormRecord &record) {
    const auto nr = [&](int index) { return static_cast<int>(record.limitNrs[index]); };
    if (readLimit(standard, kNext, nr(0)) != 0 || readLimit(standard, kAttenuation, nr(1)) != 0) return -1;
    dropPlaceholderAttenuation(standard);
    const LimitSource rest[] = {{kReturnLoss, 2}, {kAcr, 3}, {kElfext, 4}, {kPsNext, 5}, {kPsAcr, 6}, {kPsElfext, 7}};
    for (const auto &source : rest) {
        if (readLimit(standard, source.kind, nr(source.byteIndex)) != 0) return -1;
    }
    return 0;
}

int readOpticalTables(CNorm &standard, const NormRecord &record) {
    LimitOptRecord tables{};
    if (TorvikGetLimitOpt(&tables, record.limitNrs[1]) != 0) return -1;
    for (std::size_t t = 0; t < 3; ++t) {
        for (std::size_t e = 0; e < 2; ++e) {
            standard.optical[t][e].label = tables.words[4 * t + 2 * e];
            standard.optical[t][e].limit = static_cast<int16_t>(tables.words[4 * t + 2 * e + 1]);
        }
    }
    return 0;
}

int readSweep(CNorm &standard, int number) {
    ::SweepSegment segments[4] = {};
    int16_t count = 0;
    if (TorvikGetSweep(segments, &count, number) != 0) return -1;
    standard.sweep.clear();
    for (int16_t i = 0; i < count && i < 4; ++i)
        standard.sweep.push_back({segments[i].start, segments[i].step, segments[i].lastIndex});
    return 0;
}

}  // namespace

LimitCurve toLinkCurve(const std::vector<LimitRecord> &records) {
    LimitCurve curve{};
    const std::size_t n = std::min<std::size_t>(records.size(), TORVIK_LIMIT_RECORDS);
    for (std::size_t i = 0; i < n; ++i)
        curve.records[i] = {records[i].word0, records[i].word1, records[i].word2, records[i].byte6};
    return curve;
}

int readCableFromTester(CCable &cable, int number) {
    CableRecord record{};
    if (TorvikGetCable(&record, number) != 0) return -1;
    if (readMessage(cable.name, record.nameMsgNr) != 0) return -1;
    cable.setFlagsFromByte(record.flags);
    cable.nominalImpedance = record.byte3;
    cable.value1 = record.word4;
    cable.value2 = record.word6;
    return 0;
}

int readConvCabFromTester(CConvCab &convention, int number) {
    ConnectionInfoRecord record{};
    if (TorvikGetConvCnx(&record, number) != 0) return -1;
    if (readMessage(convention.name, record.nameMsgNr) != 0) return -1;
    convention.setFlagsFromByte(record.flags);
    std::copy(record.bytes3, record.bytes3 + 8, convention.pinMap.begin());
    std::copy(record.bytes11, record.bytes11 + 4, convention.pairMap.begin());
    WireNamesRecord names{};
    if (TorvikGetConvWiresNames(&names, number) != 0) return -1;
    std::memcpy(convention.wireNames.data(), &names, sizeof names);
    return 0;
}

int readNormFromTester(CNorm &standard, int number, int second) {
    NormRecord record{};
    if (TorvikGetNorm(&record, number, second) != 0) return -1;
    if (readMessage(standard.name, record.nameMsgNr) != 0) return -1;
    standard.pairCount = record.byte2;
    standard.pairMask = record.byte3;
    standard.zcTolerance = record.words4[0];
    standard.maxLoopResistance = record.words4[1];
    standard.maxLength = record.words4[2];
    standard.maxSkew = record.words4[3];
    standard.maxDelay = record.words4[4];
    standard.testsMask = record.words4[5];
    standard.flags = record.options;
    standard.maxFrequency = static_cast<uint32_t>(record.frequency) * 1000u / 60u;
    if (TorvikGetNormWiresNr(standard.wireNumbers.data(), number) != 0) return -1;
    const int limits = standard.isOptical() ? readOpticalTables(standard, record) : readCopperLimits(standard, record);
    if (limits != 0) return -1;
    if (standard.isOptical()) return 0;
    return readSweep(standard, number);
}

}  // namespace quillet::model
