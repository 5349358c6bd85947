#include "record_checks.h"

#include <gtest/gtest.h>

#include "linked_tester.h"

namespace unitread {

using namespace torvik::sim;

namespace {

constexpr std::size_t kBlock = 42;

// Worst-case entries: kind, block offset of the tester side, of the remote
// side (0: none).
struct WorstLayout {
    Kind kind;
    std::size_t tester;
    std::size_t remote;
};
constexpr WorstLayout kWorstLayout[] = {
    {Kind::Next, 17, 23},   {Kind::Elfext, 29, 35}, {Kind::ReturnLoss, 47, 53}, {Kind::Acr, 59, 65},
    {Kind::PsNext, 71, 77}, {Kind::PsElfext, 83, 89}, {Kind::PsAcr, 95, 101},
};

void expectWorstCase(const WorstCase &decoded, const WorstCase &stored, const std::string &what)
{
    EXPECT_EQ(decoded.pair, stored.pair) << what;
    EXPECT_EQ(decoded.value, stored.value) << what;
    EXPECT_EQ(decoded.index, stored.index) << what;
}

void expectCopper(const SectionRecord &r, const Plug &plug)
{
    const CopperResults &c = plug.copper;
    const uint8_t status = byteAt(r, kBlock);
    EXPECT_EQ((status & 0x80) != 0, c.mappingFault);
    EXPECT_EQ((status & 0x20) != 0, plug.exempt.psNextTester);
    EXPECT_EQ((status & 0x40) != 0, plug.exempt.psNextRemote);
    EXPECT_EQ(status & 0x1F, c.statusBits);
    for (std::size_t p = 0; p < 4; ++p) {
        const uint16_t loop = word(r, kBlock + 1 + 2 * p);
        EXPECT_EQ(loop >> 1, c.loopResistance[p]) << "pair " << p;
        EXPECT_EQ((loop & 1) != 0, c.loopFlags[p]) << "pair " << p;
        EXPECT_EQ(word(r, kBlock + 9 + 2 * p), c.delay[p]) << "pair " << p;
    }
    const auto &attenuation = c.worst[static_cast<std::size_t>(Kind::Attenuation)][0];
    expectWorstCase(worstCaseAt(r, 41), attenuation.absolute, "attenuation");
    for (const WorstLayout &layout : kWorstLayout) {
        const auto &sides = c.worst[static_cast<std::size_t>(layout.kind)];
        for (std::size_t s = 0; s < 2; ++s) {
            const std::size_t at = s == 0 ? layout.tester : layout.remote;
            const std::string what = "kind " + std::to_string(int(layout.kind)) + " side " + std::to_string(s);
            if (layout.kind != Kind::ReturnLoss)
                expectWorstCase(worstCaseAt(r, at), sides[s].absolute, what + " A");
            expectWorstCase(worstCaseAt(r, at + 3), sides[s].margin, what + " B");
        }
    }
}

void expectVoltageStop(const SectionRecord &r, const VoltageStop &v)
{
    EXPECT_EQ(byteAt(r, kBlock) & 0x1F, v.status);
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(word(r, 43 + 5 * p), v.pairs[p].dc);
        EXPECT_EQ(word(r, 45 + 5 * p), v.pairs[p].ac);
        EXPECT_EQ(byteAt(r, 47 + 5 * p), v.pairs[p].pins);
    }
}

void expectWiringFault(const SectionRecord &r, const WiringFault &w)
{
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(word(r, kBlock + 2 * i) & 0xFF, w.farEnd[i]) << "wire " << i;
        EXPECT_EQ(word(r, kBlock + 2 * i) >> 8, w.fault[i]) << "wire " << i;
    }
    EXPECT_EQ(word(r, kBlock + 16), w.faultCount);
    EXPECT_EQ(byteAt(r, kBlock + 18), w.shield);
}

}  // namespace

WorstCase worstCaseAt(const SectionRecord &record, std::size_t blockOffset)
{
    const uint8_t b0 = byteAt(record, kBlock + blockOffset);
    const uint8_t b1 = byteAt(record, kBlock + blockOffset + 1);
    const uint8_t b2 = byteAt(record, kBlock + blockOffset + 2);
    const int raw = ((b0 >> 2) & 3) * 256 + b1;
    return {static_cast<uint8_t>(b0 >> 4), static_cast<int16_t>(raw - 160),
            static_cast<uint16_t>((b0 & 3) * 256 + b2)};
}

void expectTestSection(const SectionRecord &r, const Plug &plug, const Standard &standard)
{
    SCOPED_TRACE("plug " + plug.id);
    EXPECT_EQ(r.type & 3, 0);
    EXPECT_EQ(textAt(r, 3, 15), plug.id);
    EXPECT_EQ(textAt(r, 18, 19), plug.text);
    EXPECT_EQ(doubleWord(r, 37), plug.dateTime);
    const uint8_t result = byteAt(r, 41);
    EXPECT_EQ(result >> 5, plug.result);
    EXPECT_EQ((result & 0x02) != 0, plug.exempt.nextTester);
    EXPECT_EQ((result & 0x04) != 0, plug.exempt.nextRemote);
    EXPECT_EQ((result & 0x08) != 0, plug.exempt.returnLossTester);
    EXPECT_EQ((result & 0x10) != 0, plug.exempt.returnLossRemote);
    if (plug.result == 0) {
        expectVoltageStop(r, plug.voltage);
    } else if (plug.result == 1) {
        expectWiringFault(r, plug.wiring);
    } else if (standard.valueMode()) {
        EXPECT_EQ(word(r, kBlock), plug.valueMode.delay);
        EXPECT_EQ(word(r, kBlock + 4), plug.valueMode.loopResistance);
        EXPECT_EQ(byteAt(r, kBlock + 8), plug.valueMode.impedance);
    } else if (standard.isOptical()) {
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ((byteAt(r, kBlock + 3 * i) & 0x80) != 0, plug.optical[i].measured);
            EXPECT_EQ(static_cast<int16_t>(word(r, kBlock + 3 * i + 1)), plug.optical[i].loss);
        }
    } else {
        expectCopper(r, plug);
    }
}

std::vector<int16_t> chainValues(const std::vector<SectionRecord> &sections, const StepLayout &layout,
                                 std::size_t valueCount)
{
    std::vector<int16_t> values;
    if (sections.empty() || valueCount == 0)
        return values;
    values.push_back(static_cast<int16_t>(word(sections[0], layout.firstOffset)));
    const auto takeSteps = [&](const SectionRecord &section, std::size_t offset, std::size_t count) {
        for (std::size_t i = 0; i < count && values.size() < valueCount; ++i) {
            const auto step = static_cast<int8_t>(byteAt(section, offset + i));
            values.push_back(static_cast<int16_t>(values.back() + step));
        }
    };
    takeSteps(sections[0], layout.firstSteps, layout.firstCount);
    for (std::size_t s = 1; s < sections.size(); ++s)
        takeSteps(sections[s], 3, layout.nextCount);
    return values;
}

}  // namespace unitread
