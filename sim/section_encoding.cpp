#include "section_encoding.h"

#include <algorithm>

#include "firmware_gates.h"
#include "record_bytes.h"
#include "record_encoding.h"

namespace torvik::sim {

namespace {

// Section offsets of the plug's result block and of the curve steps.
constexpr std::size_t kBlock = 42;
constexpr std::size_t kCurveSteps = 9;
constexpr std::size_t kGraphSteps = 45;
constexpr std::size_t kContinuationSteps = 3;

// Steps per section: automatic curves, and graphs by firmware revision.
constexpr std::size_t kCurveFirstSteps = 399;
constexpr std::size_t kCurveNextSteps = 405;
struct GraphStepCounts {
    std::size_t first;
    std::size_t next;
};
GraphStepCounts graphStepCounts(std::string_view revision)
{
    if (isRevisionInRange(revision, gates::sixUncertainties))
        return {361, 405};
    return {104, 147};
}

// Bits 5 to 7 carry the result type, bits 1 to 4 the exemptions; bit 0
// marks a failed wire map, which is all the oldest firmware reports here.
uint8_t resultByte(const Plug &plug, std::string_view revision)
{
    const Exemptions &e = plug.exempt;
    const unsigned flags = (e.nextTester ? 0x02u : 0u) | (e.nextRemote ? 0x04u : 0u) |
                           (e.returnLossTester ? 0x08u : 0u) | (e.returnLossRemote ? 0x10u : 0u) |
                           (plug.result == 1 ? 0x01u : 0u);
    if (!isRevisionInRange(revision, gates::sectionKind))
        return static_cast<uint8_t>(flags);
    return static_cast<uint8_t>(flags | (plug.result & 7u) << 5);
}

uint8_t statusByte(bool fault, uint8_t low, const Exemptions &e)
{
    return static_cast<uint8_t>((fault ? 0x80u : 0u) | (e.psNextRemote ? 0x40u : 0u) |
                                (e.psNextTester ? 0x20u : 0u) | (low & 0x1Fu));
}

void putWorstCase(RecordBytes &r, std::size_t offset, const WorstCase &entry)
{
    const unsigned raw = static_cast<unsigned>(std::clamp(entry.value + 160, 0, 1023));
    const unsigned index = entry.index & 0x3FFu;
    r.u8(offset, static_cast<uint8_t>((entry.pair & 0x0Fu) << 4 | (raw >> 8) << 2 | index >> 8));
    r.u8(offset + 1, static_cast<uint8_t>(raw));
    r.u8(offset + 2, static_cast<uint8_t>(index));
}

// Block offsets of the worst cases of each kind, tester side then remote.
struct WorstLayout {
    Kind kind;
    std::size_t tester;
    std::size_t remote;  // 0: no remote side
};
constexpr WorstLayout kWorstLayout[] = {
    {Kind::Next, 17, 23},   {Kind::Elfext, 29, 35},   {Kind::Attenuation, 41, 0},
    {Kind::ReturnLoss, 47, 53}, {Kind::Acr, 59, 65}, {Kind::PsNext, 71, 77},
    {Kind::PsElfext, 83, 89}, {Kind::PsAcr, 95, 101},
};

void putWorstCases(RecordBytes &r, const CopperResults &results)
{
    for (const WorstLayout &layout : kWorstLayout) {
        const auto &sides = results.worst[static_cast<std::size_t>(layout.kind)];
        if (layout.kind == Kind::Attenuation) {  // entry A only, no side
            putWorstCase(r, kBlock + layout.tester, sides[0].absolute);
            continue;
        }
        for (std::size_t side = 0; side < 2; ++side) {
            const std::size_t at = kBlock + (side == 0 ? layout.tester : layout.remote);
            if (layout.kind != Kind::ReturnLoss)  // return loss: entry B only
                putWorstCase(r, at, sides[side].absolute);
            putWorstCase(r, at + 3, sides[side].margin);
        }
    }
}

// The copper layout carries each loop resistance's flag in bit 8 of its
// word (the host moves it back to bit 0).
uint16_t loopResistanceWord(uint16_t tenths, bool flag)
{
    const auto word = static_cast<uint16_t>(tenths << 1);
    return static_cast<uint16_t>((word & ~0x0101u) | (flag ? 0x0100u : 0u));
}

void putCopper(RecordBytes &r, const Plug &plug)
{
    const CopperResults &c = plug.copper;
    r.u8(kBlock, statusByte(c.mappingFault, c.statusBits, plug.exempt));
    for (std::size_t p = 0; p < 4; ++p) {
        r.u16(kBlock + 1 + 2 * p, loopResistanceWord(c.loopResistance[p], c.loopFlags[p]));
        r.u16(kBlock + 9 + 2 * p, c.delay[p]);
    }
    putWorstCases(r, c);
}

void putValueMode(RecordBytes &r, const ValueResults &v)
{
    r.u16(kBlock, v.delay);
    r.u16(kBlock + 4, v.loopResistance);
    r.u8(kBlock + 8, v.impedance);
}

void putOptical(RecordBytes &r, const std::array<OpticalLoss, 2> &entries)
{
    for (std::size_t i = 0; i < 2; ++i) {
        r.u8(kBlock + 3 * i, entries[i].measured ? 0x80 : 0);
        r.s16(kBlock + 3 * i + 1, entries[i].loss);
    }
}

void putVoltageStop(RecordBytes &r, const Plug &plug)
{
    r.u8(kBlock, statusByte(false, plug.voltage.status, plug.exempt));
    for (std::size_t p = 0; p < 4; ++p) {
        const PairVoltage &v = plug.voltage.pairs[p];
        r.u16(kBlock + 1 + 5 * p, v.dc);
        r.u16(kBlock + 3 + 5 * p, v.ac);
        r.u8(kBlock + 5 + 5 * p, v.pins);
    }
}

void putWiringFault(RecordBytes &r, const WiringFault &w, std::string_view revision)
{
    for (std::size_t i = 0; i < 8; ++i)
        r.u16(kBlock + 2 * i, static_cast<uint16_t>(w.fault[i] << 8 | w.farEnd[i]));
    r.u16(kBlock + 16, w.faultCount);
    r.u8(kBlock + 18, isRevisionInRange(revision, gates::lateRecordFields) ? w.shield : kUnsetByte);
}

// Steps from `values[from]` on into the section from `offset`, at most
// `count`; returns the index of the first value not sent.
std::size_t putSteps(RecordBytes &r, std::size_t offset, std::size_t count,
                     const std::vector<int16_t> &values, std::size_t from)
{
    std::size_t i = from;
    for (; i < values.size() && i - from < count; ++i)
        r.u8(offset + i - from, static_cast<uint8_t>(static_cast<int8_t>(values[i] - values[i - 1])));
    return i;
}

// A first section and continuations (type 2) until every value is sent.
template <typename FirstSection>
std::vector<std::string> chainOfSteps(const std::vector<int16_t> &values, std::size_t nextSteps,
                                      FirstSection first)
{
    std::vector<std::string> sections;
    RecordBytes head(kSectionSize);
    std::size_t sent = first(head);
    sections.push_back(head.take());
    while (sent < values.size()) {
        RecordBytes more(kSectionSize);
        more.u8(0, 2);
        sent = putSteps(more, kContinuationSteps, nextSteps, values, sent);
        sections.push_back(more.take());
    }
    return sections;
}

}  // namespace

std::string encodeTestSection(const Plug &plug, const Standard &standard, std::string_view revision)
{
    RecordBytes r(kSectionSize);
    r.u8(0, 0);
    r.text(3, 15, plug.id);
    r.text(18, 19, plug.text);
    r.u32(37, plug.dateTime);
    r.u8(41, resultByte(plug, revision));
    if (plug.result == 0)
        putVoltageStop(r, plug);
    else if (plug.result == 1)
        putWiringFault(r, plug.wiring, revision);
    else if (standard.valueMode())
        putValueMode(r, plug.valueMode);
    else if (standard.isOptical())
        putOptical(r, plug.optical);
    else
        putCopper(r, plug);
    return r.take();
}

std::vector<std::string> encodeCurveSections(const PlugCurve &curve, std::string_view revision)
{
    return chainOfSteps(curve.values, kCurveNextSteps, [&](RecordBytes &r) -> std::size_t {
        r.u8(0, 3);
        r.u8(3, curveIdentity(curve.kind, curve.side, curve.pair));
        r.u8(4, curve.verdict);
        if (curve.values.empty())
            return 0;
        const auto first = static_cast<uint16_t>(curve.values[0]);
        // Before automatic graphs became official the word went out as the
        // tester holds it in memory.
        if (isRevisionInRange(revision, gates::autoGraphs))
            r.u16(5, first);
        else
            r.u16LittleEndian(5, first);
        return putSteps(r, kCurveSteps, kCurveFirstSteps, curve.values, 1);
    });
}

std::vector<std::string> encodeGraphSections(const Graph &graph, std::string_view revision)
{
    const GraphStepCounts counts = graphStepCounts(revision);
    return chainOfSteps(graph.values, counts.next, [&](RecordBytes &r) -> std::size_t {
        r.u8(0, 1);
        r.text(3, 15, graph.id);
        r.text(18, 19, graph.text);
        r.u32(37, graph.dateTime);
        r.u8(41, curveIdentity(graph.kind, graph.side, graph.pair));
        r.u8(42, graph.verdict);
        if (graph.values.empty())
            return 0;
        r.s16(43, graph.values[0]);
        return putSteps(r, kGraphSteps, counts.first, graph.values, 1);
    });
}

void setNextSection(std::string &section, uint16_t next)
{
    section.at(1) = static_cast<char>(next >> 8);
    section.at(2) = static_cast<char>(next & 0xFF);
}

bool stepsFitBytes(const std::vector<int16_t> &values)
{
    for (std::size_t i = 1; i < values.size(); ++i) {
        const int step = values[i] - values[i - 1];
        if (step < -128 || step > 127)
            return false;
    }
    return true;
}

}  // namespace torvik::sim
