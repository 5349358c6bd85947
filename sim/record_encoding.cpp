#include "record_encoding.h"

#include "firmware_gates.h"
#include "record_bytes.h"

namespace torvik::sim {

namespace {

uint8_t flagBits(std::initializer_list<std::pair<bool, int>> flags)
{
    unsigned byte = 0;
    for (const auto &[set, bit] : flags)
        byte |= (set ? 1u : 0u) << bit;
    return static_cast<uint8_t>(byte);
}

}  // namespace

std::string encodeSiteSummary(const Site &site)
{
    RecordBytes r(20);
    r.text(0, 15, site.name);
    r.u32(16, site.dateTime);
    return r.take();
}

std::string encodeSiteConfig(const Site &site, std::string_view revision)
{
    RecordBytes r(70);
    r.text(0, 15, site.name);
    r.u8(16, site.standard);
    r.u8(17, site.convention);
    r.u8(18, site.cable);
    r.text(19, 18, site.wiringText);
    r.u16(38, site.nvp);
    r.u16(40, site.configWord1);
    r.text(42, 16, site.patternText);
    r.u16(58, site.configWord2);
    r.u16(60, site.configWord3);
    r.u8(62, site.configByte2);
    r.u8(63, site.configByte3);
    r.u8(64, site.configByte1);
    r.u32(65, site.configDword);
    const bool late = isRevisionInRange(revision, gates::lateRecordFields);
    r.u8(69, late ? site.plugName : kUnsetByte);
    return r.take();
}

std::string encodeConnectionInfo(const WiringConvention &convention)
{
    RecordBytes r(19);
    r.u16(0, convention.nameMessage);
    r.u8(2, flagBits({{convention.reversedPairs, 5}, {convention.flag2, 6}, {convention.flag3, 7}}));
    for (std::size_t i = 0; i < 8; ++i)
        r.u8(3 + i, convention.pinMap[i]);
    for (std::size_t i = 0; i < 4; ++i) {
        r.u8(11 + i, convention.pairMap[i]);
        r.u8(15 + i, convention.extra[i]);
    }
    return r.take();
}

std::string encodeWireNames(const WiringConvention &convention)
{
    RecordBytes r(96);
    std::size_t slot = 0;
    const auto put = [&](const auto &names) {
        for (const std::string &name : names)
            r.text(4 * slot++, 3, name);
    };
    put(convention.testerWires);
    put(convention.testerPairs);
    put(convention.remoteWires);
    put(convention.remotePairs);
    return r.take();
}

std::string encodeCable(const Cable &cable)
{
    RecordBytes r(8);
    r.u16(0, cable.nameMessage);
    r.u8(2, flagBits({{cable.fibre1, 3},
                      {cable.fibre2, 4},
                      {cable.flag3, 5},
                      {cable.withoutCable, 6},
                      {cable.extraRow, 7}}));
    r.u8(3, cable.impedance);
    r.u16(4, cable.value1);
    r.u16(6, cable.value2);
    return r.take();
}

std::string encodeNorm(const Standard &standard, const std::array<uint8_t, 8> &limitNumbers,
                       std::string_view revision)
{
    RecordBytes r(29);
    r.u16(0, standard.nameMessage);
    r.u8(2, standard.pairCount);
    r.u8(3, standard.pairMask);
    const uint16_t words[6] = {standard.zcTolerance, standard.maxLoopResistance, standard.maxLength,
                               standard.maxSkew,     standard.maxDelay,          standard.testsMask};
    for (std::size_t i = 0; i < 6; ++i)
        r.u16(4 + 2 * i, words[i]);
    r.u8(16, standard.options);
    r.u16(17, standard.topFrequency);
    for (std::size_t i = 0; i < 8; ++i)
        r.u8(19 + i, limitNumbers[i]);
    const bool late = isRevisionInRange(revision, gates::lateRecordFields);
    r.u8(27, late ? standard.lateBytes[0] : kUnsetByte);
    r.u8(28, late ? standard.lateBytes[1] : kUnsetByte);
    return r.take();
}

std::string encodeSweep(const Standard &standard)
{
    RecordBytes r(24);
    for (std::size_t i = 0; i < standard.sweep.size() && i < 4; ++i) {
        const SweepSegment &segment = standard.sweep[i];
        r.u16(6 * i, segment.start);
        r.u16(6 * i + 2, segment.step);
        r.u16(6 * i + 4, segment.lastIndex);
    }
    return r.take();
}

std::string encodeLimitCurve(const LimitCurve &curve)
{
    RecordBytes r(7 * (curve.points.size() + 1));
    r.u16(0, static_cast<uint16_t>(curve.points.size() + 1));
    r.u16(2, curve.shift);
    std::size_t offset = 7;
    for (const LimitPoint &point : curve.points) {
        r.u16(offset, point.frequency);
        r.s16(offset + 2, point.slope);
        r.s16(offset + 4, point.value);
        r.u8(offset + 6, point.uncertainty);
        offset += 7;
    }
    return r.take();
}

// Twelve words: label and limit of each entry of the three tables. Older
// firmware knows two tables (the second is then the single-mode one) and
// sends limits in tenths of a dB.
std::string encodeOpticalLimits(const OpticalTables &tables, std::string_view revision)
{
    const bool threeTables = isRevisionInRange(revision, gates::longLimitOptions);
    const bool hundredths = isRevisionInRange(revision, gates::lateRecordFields);
    const std::size_t tableCount = threeTables ? 3 : 2;
    RecordBytes r(8 * tableCount);
    std::size_t offset = 0;
    for (std::size_t t = 0; t < tableCount; ++t) {
        const auto &table = tables[threeTables ? t : (t == 0 ? 0 : 2)];
        for (const OpticalLimit &entry : table) {
            r.u16(offset, entry.label);
            r.s16(offset + 2, static_cast<int16_t>(hundredths ? entry.limit : entry.limit / 10));
            offset += 4;
        }
    }
    return r.take();
}

std::string encodeGraphSummary(const Graph &graph)
{
    RecordBytes r(48);
    r.text(0, 15, graph.id);
    r.text(15, 19, graph.text);
    r.u32(34, graph.dateTime);
    r.u8(38, curveIdentity(graph.kind, graph.side, graph.pair));
    r.u8(39, graph.verdict);
    r.text(40, 8, graph.pairText);
    return r.take();
}

std::string wireNumbersLine(const Standard &standard)
{
    std::string line;
    for (const uint8_t number : standard.wireNumbers) {
        if (!line.empty())
            line += ',';
        line += std::to_string(number);
    }
    return line;
}

}  // namespace torvik::sim
