// The record and section encoders: byte layouts and the forms older
// firmware sends, checked on hand-made records.
#include <gtest/gtest.h>

#include "record_encoding.h"
#include "section_encoding.h"

namespace torvik::sim {
namespace {

uint8_t at(const std::string &bytes, std::size_t offset)
{
    return static_cast<uint8_t>(bytes.at(offset));
}

uint16_t bigEndian(const std::string &bytes, std::size_t offset)
{
    return static_cast<uint16_t>(at(bytes, offset) << 8 | at(bytes, offset + 1));
}

Plug copperPlug()
{
    Plug plug;
    plug.id = "A1-01";
    plug.result = 4;
    plug.exempt.returnLossRemote = true;
    plug.exempt.psNextTester = true;
    plug.copper.mappingFault = true;
    plug.copper.loopResistance = {100, 0x7F, 0x100, 5};
    plug.copper.loopFlags = {true, false, true, false};
    plug.copper.delay = {430, 431, 432, 433};
    plug.copper.worst[0][0].absolute = {3, 96 * 8, 5};     // NEXT, tester, entry A
    plug.copper.worst[3][1].margin = {2, -160, 1023};      // return loss, remote, entry B
    plug.copper.worst[2][0].absolute = {1, 863, 0x2AA};    // attenuation
    return plug;
}

TEST(SectionEncoding, CopperPlugLayout)
{
    const std::string s = encodeTestSection(copperPlug(), Standard{}, "D.05");
    ASSERT_EQ(s.size(), kSectionSize);
    EXPECT_EQ(at(s, 41), 4 << 5 | 0x10);
    EXPECT_EQ(at(s, 42), 0x80 | 0x20);
    // Loop resistance words carry the flag in bit 8 and drop bit 0.
    EXPECT_EQ(bigEndian(s, 43), 200 | 0x100);
    EXPECT_EQ(bigEndian(s, 45), 0xFE);
    EXPECT_EQ(bigEndian(s, 47), 0x200 | 0x100);
    EXPECT_EQ(bigEndian(s, 51), 430);
    // NEXT tester entry A: pair 3, 96 dB, index 5 is 0x3C 0xA0 0x05.
    EXPECT_EQ(at(s, 42 + 17), 0x3C);
    EXPECT_EQ(at(s, 42 + 18), 0xA0);
    EXPECT_EQ(at(s, 42 + 19), 0x05);
    // Return loss remote entry B: raw 0, index 1023.
    EXPECT_EQ(at(s, 42 + 56), 0x23);
    EXPECT_EQ(at(s, 42 + 57), 0x00);
    EXPECT_EQ(at(s, 42 + 58), 0xFF);
    // Attenuation: raw 1023.
    EXPECT_EQ(at(s, 42 + 41), 0x1E);
    EXPECT_EQ(at(s, 42 + 42), 0xFF);
    EXPECT_EQ(at(s, 42 + 43), 0xAA);
}

TEST(SectionEncoding, OldestFirmwareReportsOnlyAFailedWireMap)
{
    Plug plug = copperPlug();
    EXPECT_EQ(at(encodeTestSection(plug, Standard{}, "B.01"), 41), 0x10);
    plug.result = 1;
    EXPECT_EQ(at(encodeTestSection(plug, Standard{}, "B.01"), 41), 0x11);
    EXPECT_EQ(at(encodeTestSection(plug, Standard{}, "B.02"), 41), 0x31);
}

TEST(SectionEncoding, CurveHeadWordByteOrderFollowsTheFirmware)
{
    PlugCurve curve{5, 1, 2, 1, {-300, -299}};
    const auto current = encodeCurveSections(curve, "D.03");
    const auto older = encodeCurveSections(curve, "D.02");
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(at(current[0], 3), 5 << 5 | 1 << 4 | 2);
    EXPECT_EQ(at(current[0], 4), 1);
    EXPECT_EQ(bigEndian(current[0], 5), static_cast<uint16_t>(-300));
    EXPECT_EQ(at(older[0], 5) | at(older[0], 6) << 8, static_cast<uint16_t>(-300));
    EXPECT_EQ(at(current[0], 9), 1);
}

TEST(SectionEncoding, ValuesFillAsManySectionsAsTheyNeed)
{
    struct Case {
        std::size_t values;
        const char *revision;
        std::size_t curveSections;
        std::size_t graphSections;
    };
    for (const Case c : {Case{400, "D.05", 1, 2}, Case{401, "D.05", 2, 2}, Case{811, "D.05", 3, 3},
                         Case{811, "B.00", 3, 6}, Case{105, "B.00", 1, 1}, Case{1, "D.05", 1, 1}}) {
        const std::vector<int16_t> values(c.values, 80);
        EXPECT_EQ(encodeCurveSections({0, 0, 0, 3, values}, c.revision).size(), c.curveSections) << c.values;
        Graph graph;
        graph.values = values;
        EXPECT_EQ(encodeGraphSections(graph, c.revision).size(), c.graphSections) << c.values;
    }
}

TEST(RecordEncoding, LateFieldsAreUnsetBeforeB08)
{
    Site site;
    site.plugName = 7;
    EXPECT_EQ(at(encodeSiteConfig(site, "B.08"), 69), 7);
    EXPECT_EQ(at(encodeSiteConfig(site, "B.07"), 69), kUnsetByte);
    Standard standard;
    standard.lateBytes = {1, 2};
    EXPECT_EQ(at(encodeNorm(standard, {}, "Z.38"), 28), 2);
    EXPECT_EQ(at(encodeNorm(standard, {}, "Z.37"), 28), kUnsetByte);
}

TEST(RecordEncoding, OpticalLimitsOfOlderFirmware)
{
    const OpticalTables tables{{{{{850, 260}, {1300, 205}}}, {{{851, 280}, {1301, 210}}}, {{{1310, 180}, {1550, 170}}}}};
    const std::string current = encodeOpticalLimits(tables, "C.05");
    ASSERT_EQ(current.size(), 24u);
    EXPECT_EQ(bigEndian(current, 8), 851);
    EXPECT_EQ(bigEndian(current, 6), 205);
    const std::string twoTables = encodeOpticalLimits(tables, "C.04");
    ASSERT_EQ(twoTables.size(), 16u);
    EXPECT_EQ(bigEndian(twoTables, 8), 1310);  // the single-mode table comes second
    EXPECT_EQ(bigEndian(twoTables, 6), 205);
    const std::string tenths = encodeOpticalLimits(tables, "B.07");
    EXPECT_EQ(bigEndian(tenths, 2), 26);
    EXPECT_EQ(bigEndian(tenths, 6), 20);  // 2.05 dB loses its last digit
}

TEST(RecordEncoding, LimitCurveHeaderCountsItself)
{
    LimitCurve curve{3, {{60, 0, 520, 4}, {6000, -12, 280, 8}}};
    const std::string r = encodeLimitCurve(curve);
    ASSERT_EQ(r.size(), 21u);
    EXPECT_EQ(bigEndian(r, 0), 3);
    EXPECT_EQ(at(r, 3), 3);
    EXPECT_EQ(bigEndian(r, 14), 6000);
    EXPECT_EQ(bigEndian(r, 16), static_cast<uint16_t>(-12));
    EXPECT_EQ(at(r, 20), 8);
}

}  // namespace
}  // namespace torvik::sim
