// The detail block of a plug on a small hand-made copper site: the wiring
// map and per-pair values, the skew, and the worst cases of the frequency
// measurements with their limits, exemptions and missing entries; then the
// value-mode and optical variants and the export of a detailed list.
#include <gtest/gtest.h>

#include "detail_lines.h"
#include "hand_made_site.h"
#include "text_export.h"

namespace {

using namespace quillet::model;
using namespace quillet::autotest;
using namespace quillet::testing;
using quillet::NumberFormat;
using quillet::Regional;

void setName(CConvCab &convention, std::size_t index, const char *name) {
    for (std::size_t i = 0; i < 4 && name[i]; ++i) convention.wireNames[index * 4 + i] = static_cast<std::uint8_t>(name[i]);
}

// Tester wires "1".."8", remote wires "R1".."R8"; the wires of the first
// pair arrive crossed at the remote end.
CConvCab crossedConvention() {
    CConvCab c;
    c.pairMap = {0x12, 0x36, 0x45, 0x78};
    c.pinMap = {2, 1, 3, 4, 5, 6, 7, 8};
    const char *wires[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    const char *remoteWires[] = {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8"};
    const char *pairs[] = {"12", "36", "45", "78"};
    for (std::size_t i = 0; i < 8; ++i) setName(c, i, wires[i]), setName(c, 12 + i, remoteWires[i]);
    for (std::size_t i = 0; i < 4; ++i) setName(c, 8 + i, pairs[i]), setName(c, 20 + i, pairs[i]);
    return c;
}

CSite detailSite() {
    CSite site = copperSite();
    site.convention = crossedConvention();
    setLimit(site, kind::kNext, flatLimit(35.0, 1.0));
    setLimit(site, kind::kReturnLoss, flatLimit(20.0, 1.0));
    setLimit(site, kind::kAttenuation, flatLimit(20.5, 0.5));
    return site;
}

// Lengths 91.08 (fails within the uncertainty), 89.01 (passes within it),
// 92.12 and 90.05 m; loop resistances 9.5, 10.1, 8.0 and 12.0 ohm; NEXT
// passing near on the tester side and failing near on the remote side;
// return loss failing on the exempt tester side; attenuation failing near.
CPrise detailPlug() {
    CPrise plug;
    plug.resultType = 2;
    setDelays(plug, {440, 430, 445, 435});
    const std::uint16_t loops[] = {190, 202, 160, 240};
    for (std::size_t p = 0; p < 4; ++p) setWord(plug, 1 + 2 * p, loops[p]);
    setWorstCase(plug, kind::kNext, Side::Tester, WorstEntry::B, 2, 35.5, 9);
    setWorstCase(plug, kind::kNext, Side::Tester, WorstEntry::A, 0, 37.0, 19);
    setWorstCase(plug, kind::kNext, Side::Remote, WorstEntry::B, 3, 34.5, 9);
    setWorstCase(plug, kind::kNext, Side::Remote, WorstEntry::A, 5, 40.0, 49);
    plug.rlTesterExempt = 1;
    setWorstCase(plug, kind::kReturnLoss, Side::Tester, WorstEntry::B, 0, 15.0, 4);
    setWorstCase(plug, kind::kReturnLoss, Side::Remote, WorstEntry::B, 3, 25.0, 4);
    setWorstCase(plug, kind::kAttenuation, Side::Tester, WorstEntry::A, 1, 21.0, 99);
    return plug;
}

constexpr std::uint32_t kNextBoth = (1u << 6) | (1u << 7);
constexpr std::uint32_t kReturnLossBoth = (1u << 18) | (1u << 19);
constexpr std::uint32_t kDetailMask = column::kMapping | column::kLength | column::kDelay | column::kLoop | kNextBoth |
                                      kReturnLossBoth | column::kAttenuation;

std::string joined(const std::vector<ListLine> &lines) {
    std::string text;
    for (const auto &line : lines) text += line.text + "\n";
    return text;
}

TEST(DetailBlock, WiringValuesAndWorstCasesOfACopperPlug) {
    const CSite site = detailSite();
    const SiteVerdicts verdicts(site, NumberFormat());
    const ListContext context{site, verdicts, NumberFormat(), Regional{}};
    const std::string expected =
        "\t\t\n"
        "\t\t\tMapping\t\t\t\t\tLength\t\tDelay\t\tLoop Resistance\t\n"
        "\t\t\tT\tR\tT\tR\tPair\tMeas.\tLimit\tMeas.\tLimit\tMeas.\tLimit\n"
        "\t\t\t1\tR2\t2\tR1\t12\t91.1 m*\t90.0 m\t 440 ns\t 470 ns\t 9.5 Ohm\t10.0 Ohm\n"
        "\t\t\t3\tR3\t6\tR6\t36\t89.0 m*\t90.0 m\t 430 ns\t 470 ns\t10.1 Ohm*\t10.0 Ohm\n"
        "\t\t\t4\tR4\t5\tR5\t45\t92.1 m*\t90.0 m\t 445 ns\t 470 ns\t 8.0 Ohm\t10.0 Ohm\n"
        "\t\t\t7\tR7\t8\tR8\t78\t90.0 m*\t90.0 m\t 435 ns\t 470 ns\t12.0 Ohm\t10.0 Ohm\n"
        "\t\t\t\t\t\t\tSkew\t\t\t15.0 ns\t45.0 ns\n"
        "\t\t\t\t\tTESTER\t\tREMOTE (S/N: ####)\n"
        "\t\t\tWorst case:\t\tMargin   \tAbsolute \tMargin   \tAbsolute \n"
        "\t\t\tNEXT\n"
        "\t\t\tPair(s):\t\t12/78    \t12/36    \t36/45    \t78/45    \n"
        "\t\t\tMeas.:\t\t 35.5 dB*\t 37.0 dB \t 34.5 dB*\t 40.0 dB \n"
        "\t\t\tLimit:\t\t 35.0 dB \t 35.0 dB \t 35.0 dB \t 35.0 dB \n"
        "\t\t\tFrequency:\t\t 10.00 MHz\t 20.00 MHz\t 10.00 MHz\t 50.00 MHz\n"
        "\t\t\n"
        "\t\t\tReturn Loss\n"
        "\t\t\tPair(s):\t\t12       \t####     \t78       \t####     \n"
        "\t\t\tMeas.:\t\t 15.0 dB \t####     \t 25.0 dB \t####     \n"
        "\t\t\tLimit:\t\t 20.0 dB \t####     \t 20.0 dB \t####     \n"
        "\t\t\tFrequency:\t\t  5.00 MHz\t#####    \t  5.00 MHz\t#####    \n"
        "\t\t\n"
        "\t\t\tAttenuation\n"
        "\t\t\tPair(s):\t\t####     \t36       \t\t\n"
        "\t\t\tMeas.:\t\t####     \t 21.0 dB*\t\t\n"
        "\t\t\tLimit:\t\t####     \t 20.5 dB \t\t\n"
        "\t\t\tFrequency:\t\t#####    \t100.00 MHz\t\t\n"
        "\t\t\n"
        "\t\t\n";
    const std::vector<ListLine> lines = detailLines(context, detailPlug(), kDetailMask);
    EXPECT_EQ(joined(lines), expected);

    using enum FieldColour;
    // Values in the colour of their own outcome, limits in the limit colour.
    EXPECT_EQ(lines[3].colours, (std::vector<FieldColour>{Normal, Normal, Normal, Normal, Normal, Normal, Normal,
                                                          Normal, Fail, Limit, Pass, Limit, Pass, Limit}));
    // NEXT: near pass, pass, near failure, pass.
    EXPECT_EQ(lines[12].colours, (std::vector<FieldColour>{Normal, Normal, Normal, Normal, Normal, Pass, Pass, Fail, Pass}));
    // Return loss: the exempt tester side and the missing entries stay normal.
    EXPECT_EQ(lines[18].colours,
              (std::vector<FieldColour>{Normal, Normal, Normal, Normal, Normal, Normal, Normal, Pass, Normal}));
    // Attenuation fails within the uncertainty.
    EXPECT_EQ(lines[24].colours[6], Fail);
}

// Which columns and sections a block has follows the detailed mask alone;
// a plug whose autotest stopped shows the tester's wires and no values.
TEST(DetailBlock, ColumnsFollowTheMaskAndStoppedPlugsShowNoValues) {
    const CSite site = detailSite();
    const SiteVerdicts verdicts(site, NumberFormat());
    const ListContext context{site, verdicts, NumberFormat(), Regional{}};
    CPrise stopped = detailPlug();
    stopped.resultType = 0;
    const std::string expected =
        "\t\t\n"
        "\t\t\tMapping\t\t\t\t\tDelay\t\n"
        "\t\t\tT\tR\tT\tR\tPair\tMeas.\tLimit\n"
        "\t\t\t1\t####\t2\t####\t12\t####\t 470 ns\n"
        "\t\t\t3\t####\t6\t####\t36\t####\t 470 ns\n"
        "\t\t\t4\t####\t5\t####\t45\t####\t 470 ns\n"
        "\t\t\t7\t####\t8\t####\t78\t####\t 470 ns\n"
        "\t\t\t\t\t\t\tSkew\t####\t45.0 ns\n"
        "\t\t\t\t\tTESTER\t\tREMOTE (S/N: ####)\n"
        "\t\t\tWorst case:\t\tMargin   \tAbsolute \tMargin   \tAbsolute \n"
        "\t\t\tNEXT\n"
        "\t\t\tPair(s):\t\t\t\t####     \t####     \n"
        "\t\t\tMeas.:\t\t\t\t####     \t####     \n"
        "\t\t\tLimit:\t\t\t\t####     \t####     \n"
        "\t\t\tFrequency:\t\t\t\t#####    \t#####    \n"
        "\t\t\n"
        "\t\t\n";
    const std::uint32_t mask = column::kMapping | column::kDelay | (1u << 7);  // NEXT remote side only
    const std::vector<ListLine> lines = detailLines(context, stopped, mask);
    EXPECT_EQ(joined(lines), expected);
    EXPECT_EQ(lines.size(), detailLines(context, detailPlug(), mask).size());
    EXPECT_EQ(joined(detailLines(context, detailPlug(), 0)), "\t\t\n\t\t\n");
}

TEST(DetailBlock, ValueModeHasOneLineOfValues) {
    CSite site = detailSite();
    site.standard.flags = 0x04;
    site.standard.maxLoopResistance = 0;
    CPrise plug;
    plug.resultType = 5;
    setWord(plug, 0, 400);
    setWord(plug, 4, 105);
    const NumberFormat comma(',');
    const SiteVerdicts verdicts(site, comma);
    const ListContext context{site, verdicts, comma, Regional{}};
    const std::string expected =
        "\t\t\n"
        "\t\t\t\tLength\t\tLoop Resistance\t\n"
        "\t\t\tPair\tMeas.\tLimit\tMeas.\tLimit\n"
        "\t\t\t\t82,8 m\t90,0 m\t10,5 Ohm\t####\n"
        "\t\t\n";
    EXPECT_EQ(joined(detailLines(context, plug, column::kLength | column::kLoop | kNextBoth)), expected);
}

TEST(DetailBlock, OpticalEntriesWithTheirLabelsAndLimits) {
    CSite site = detailSite();
    site.standard.flags = 0x08;
    site.standard.testsMask = 0x2000;
    site.standard.optical[2] = {OpticalLimit{850, 250}, OpticalLimit{1300, 200}};
    CPrise plug;
    plug.resultType = 5;
    plug.block[0] = 0x80;
    setWord(plug, 1, 263);  // 2.63 dB: fails within the uncertainty
    const SiteVerdicts verdicts(site, NumberFormat());
    const ListContext context{site, verdicts, NumberFormat(), Regional{}};
    const std::vector<ListLine> lines = detailLines(context, plug, column::kAttenuation);
    EXPECT_EQ(joined(lines),
              "\t\t\n"
              "\t\t\tAttenuation\n"
              "\t\t\t850 nm\t\t 2.63* dB\t 2.50 dB \n"
              "\t\t\t1300 nm\t\t##### dB \t 2.00 dB \n"
              "\t\t\n");
    EXPECT_EQ(lines[2].colours[5], FieldColour::Fail);
    EXPECT_EQ(lines[3].colours[5], FieldColour::Normal);
    EXPECT_EQ(joined(detailLines(context, plug, 0)), "\t\t\n\t\t\n");
}

}  // namespace
