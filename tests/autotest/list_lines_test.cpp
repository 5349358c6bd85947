// Site summary, heading and plug lines, and the text export made of them,
// compared whole against golden texts for small hand-made sites.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "hand_made_site.h"
#include "list_lines.h"
#include "plug_list.h"
#include "text_export.h"

namespace {

using namespace quillet::model;
using namespace quillet::autotest;
using quillet::NumberFormat;
using quillet::Regional;
using quillet::testing::setAllWorstCases;
using quillet::testing::setDelays;
using quillet::testing::setWord;

CSite baseSite() {
    setenv("TZ", "UTC", 1);
    tzset();
    CSite site;
    site.name = "ROOM1";
    site.nvp = 690;
    site.convention.name = "T568B";
    site.wiringText = "PANEL 2";
    site.cable.name = "UTP 100 \xDB, Cat.5";
    site.cable.nominalImpedance = 100;
    site.standard.name = "TIA Cat 5e";
    site.standard.pairCount = 4;
    site.standard.pairMask = 0x55;
    site.testerModel = "TORVIK";
    site.testerSerial = "T01";
    site.testerRevision = "D.05";
    site.user = "J SMITH";
    return site;
}

CPrise plug(const std::string &id, std::uint32_t time, std::array<std::uint16_t, 4> delays, std::int32_t result = 5) {
    CPrise p;
    p.plugId = id;
    p.testTime = time;
    p.resultType = result;
    for (std::size_t i = 0; i < 4; ++i) setWord(p, 9 + 2 * i, delays[i]);
    return p;
}

std::string exportOf(const CSite &site, NumberFormat format, const Regional &regional) {
    const SiteVerdicts verdicts(site, format);
    const ListContext context{site, verdicts, format, regional};
    const PlugList list(context, defaultSyntheticMask(site.standard), defaultDetailedMask(site.standard));
    const ExportInput input = exportInputOf(list, "CERTIFICATION REPORT");
    const auto path = std::filesystem::temp_directory_path() / ("export-" + std::to_string(::getpid()) + ".txt");
    EXPECT_EQ(writeExport(path.string(), input, ExportMode::Replace), 0);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::filesystem::remove(path);
    return text.str();
}

TEST(TextExport, CopperSiteWithDelaysAndSkew) {
    CSite site = baseSite();
    site.standard.testsMask = 0x0008;
    site.standard.maxDelay = 470;
    site.standard.maxLength = 90;
    site.standard.maxSkew = 45;
    site.comment = "North wing\r\nsecond line";
    site.plugs = {plug("A-01", 1700000000, {400, 405, 410, 402}),
                  plug("A-02", 1700000100, {400, 480, 410, 405}, 2)};
    const std::string expected =
        "CERTIFICATION REPORT\r\n"
        "SITE ROOM1\r\n"
        "\r\n"
        "Mapping:\tT568B\r\n"
        "\tPANEL 2\r\n"
        "\tUTP 100 Ohm\tCat.5\r\n"
        "\tZc= 100 Ohm - True NVP= 69.00%\r\n"
        "\r\n"
        "Certification Standard:\tTIA Cat 5e\r\n"
        "\r\n"
        "Tester:\tTORVIK\tS/N:\tT01\tRevision:\tD.05\r\n"
        "\tUser:\tJ SMITH\r\n"
        "\r\n"
        "TESTED PLUGS:\t2\r\n"
        "  PASSED\t1 (0 NEAR THE MEASUREMENT UNCERTAINTY)\r\n"
        "  FAILED\t1 (0 NEAR THE MEASUREMENT UNCERTAINTY)\r\n"
        "\r\n"
        "Comment:\r\n"
        "North wing\r\n"
        "second line\r\n"
        "Plug Id\tC\tLeng.\tDelay\tSkew\tDate\t\r\n"
        "A-01\t \tPASS\tPASS\tPASS\t14/11/23 22:13:20\r\n"
        "A-02\t \tFAIL\tFAIL*\tFAIL\t14/11/23 22:15:00\r\n";
    EXPECT_EQ(exportOf(site, NumberFormat(), Regional{}), expected);
}

// Every frequency kind against its limit curve; passes, failures within
// and beyond the uncertainty, an exempt side, a voltage stop and a failed
// wiring map, and the tally of those near the uncertainty.
TEST(TextExport, EveryKindResultTypesExemptionsAndNearValues) {
    CSite site = baseSite();
    const CSite flat = quillet::testing::copperSite();
    site.standard = flat.standard;
    site.standard.name = "TIA Cat 5e";
    for (int k = 0; k < kind::kCount; ++k)
        quillet::testing::setLimit(site, k, quillet::testing::flatLimit(k == kind::kAttenuation ? 20.5 : 35.0, 1.0));
    auto passing = [](const std::string &id, std::int32_t result) {
        CPrise p = plug(id, 1700000000, {400, 400, 402, 401}, result);
        for (int k = 0; k < kind::kCount; ++k) setAllWorstCases(p, k, k == kind::kAttenuation ? 10.0 : 50.0);
        return p;
    };
    CPrise nearPass = passing("K-02", 4);
    setAllWorstCases(nearPass, kind::kNext, 35.5);
    CPrise failBeyond = passing("K-03", 2);
    setAllWorstCases(failBeyond, kind::kPsAcr, 30.0);
    CPrise failNear = passing("K-04", 3);
    setAllWorstCases(failNear, kind::kReturnLoss, 34.5);
    CPrise exempt = passing("K-07", 5);
    quillet::testing::setWorstCase(exempt, kind::kReturnLoss, Side::Tester, WorstEntry::B, 0, 10.0, 9);
    exempt.rlTesterExempt = 1;
    site.plugs = {passing("K-01", 5), nearPass, failBeyond, failNear, plug("K-05", 1700000000, {0, 0, 0, 0}, 0),
                  plug("K-06", 1700000000, {0, 0, 0, 0}, 1), exempt};
    const std::string exported = exportOf(site, NumberFormat(), Regional{});
    const std::string tally =
        "TESTED PLUGS:\t7\r\n"
        "  PASSED\t3 (1 NEAR THE MEASUREMENT UNCERTAINTY)\r\n"
        "  FAILED\t4 (1 NEAR THE MEASUREMENT UNCERTAINTY)\r\n";
    const std::string list =
        "Plug Id\tC\tMap.\tLeng.\tDelay\tSkew\tLoopR\tZc\tNEXT\tPSNEXT\tELFEXT\tPSELF.\tACR\tPSACR\tR.Loss\tAtt.\tDate\t\r\n"
        "K-01\t \tPASS\tPASS\tPASS\tPASS\tPASS\t####\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\t14/11/23 22:13:20\r\n"
        "K-02\t \tPASS\tPASS\tPASS\tPASS\tPASS\t####\tPASS*\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\t14/11/23 22:13:20\r\n"
        "K-03\t \tPASS\tPASS\tPASS\tPASS\tPASS\t####\tPASS\tPASS\tPASS\tPASS\tPASS\tFAIL\tPASS\tPASS\t14/11/23 22:13:20\r\n"
        "K-04\t \tPASS\tPASS\tPASS\tPASS\tPASS\t####\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tFAIL*\tPASS\t14/11/23 22:13:20\r\n"
        "K-05\t \tVOLT\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t14/11/23 22:13:20\r\n"
        "K-06\t \tFAIL\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t####\t14/11/23 22:13:20\r\n"
        "K-07\t \tPASS\tPASS\tPASS\tPASS\tPASS\t####\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\tPASS\t14/11/23 22:13:20\r\n";
    EXPECT_NE(exported.find(tally + list), std::string::npos) << exported;
}

TEST(TextExport, ValueModeShowsValuesLimitsAndUnitsWithTheUsersSeparators) {
    CSite site = baseSite();
    site.standard.flags = 0x04;
    site.standard.testsMask = 0x002C;  // length/delay, loop, Zc
    site.standard.maxLength = 90;
    site.standard.maxLoopResistance = 0;
    site.standard.zcTolerance = 15;
    CPrise p = plug("B-01", 1700000000, {0, 0, 0, 0});
    setWord(p, 0, 400);
    setWord(p, 4, 105);
    p.block[8] = 103;
    site.plugs = {p};
    Regional french;
    french.decimal = ',';
    french.dateSeparator = '.';
    const std::string exported = exportOf(site, NumberFormat(','), french);
    const std::string heading = "Plug Id\tC\tLeng.\t(90 m)\tDelay\tLoopR\t####\tZc\tDate\t\r\n";
    const std::string line = "B-01\t \t82,8 m\t(90 m)\t 400 ns\t10,5 Ohm\t####\t 103 Ohm\t14.11.23 22:13:20\r\n";
    EXPECT_NE(exported.find("True NVP= 69,00%"), std::string::npos);
    EXPECT_NE(exported.find(heading + line), std::string::npos) << exported;
    EXPECT_EQ(exported.find("Mapping:"), std::string::npos);  // no wiring convention line in value mode
}

TEST(TextExport, OpticalAttenuationFieldsPerEntry) {
    CSite site = baseSite();
    site.standard.flags = 0x08;
    site.standard.testsMask = 0x2000;
    site.standard.optical[2] = {OpticalLimit{850, 250}, OpticalLimit{0, 0}};
    CPrise p = plug("F-01", 1700000000, {0, 0, 0, 0});
    p.block[0] = 0x80;
    setWord(p, 1, 180);
    site.plugs = {p};
    const SiteVerdicts verdicts(site, NumberFormat());
    const ListContext context{site, verdicts, NumberFormat(), Regional{}};
    const ListLine line = plugLine(context, site.plugs[0], 1, defaultSyntheticMask(site.standard));
    // The heading gives each entry's columns with the entry's limit, so
    // that the date stays under its heading.
    EXPECT_EQ(headingLine(context, defaultSyntheticMask(site.standard)).text,
              "\t\tPlug Id\tC\tAtt.\t(2.50 dB)\t\tDate\t");
    EXPECT_EQ(line.text, "\t0001\tF-01\t \t 1.80 dB\t(2.50 dB)\t\t\t14/11/23 22:13:20");
    const std::vector<FieldColour> colours{FieldColour::Normal, FieldColour::Normal, FieldColour::Pass,
                                           FieldColour::Normal, FieldColour::Pass,   FieldColour::Limit,
                                           FieldColour::Normal, FieldColour::Normal, FieldColour::Normal};
    EXPECT_EQ(line.colours, colours);
}

TEST(ExportLines, TransformsOfThePlugBlock) {
    EXPECT_EQ(exportSiteBlock({"\tCable: UTP 100 Ohm, Cat.5", ""}), "Cable:\tUTP 100 Ohm\tCat.5\r\n\r\n");
    EXPECT_EQ(exportHeading("\t\tPlug Id\tC\tDate\t"), "Plug Id\tC\tDate\t\r\n");
    EXPECT_EQ(exportPlugLine("\t0001\tA-01\t \tPASS --x\tnext", 0), "A-01\t \tPASS\tnext\r\n");
    EXPECT_EQ(exportPlugLine("\t0001\tA-01 --tail", 0), "A-01--tail\r\n");
    EXPECT_EQ(exportPlugLine("\t\t\tMapping\tLength", column::kMapping | column::kLength),
              "\tMapping\t\t\t\t\tLength\t\r\n");
}

TEST(ExportLines, AppendingSeparatesWithCarriageReturns) {
    const auto path = std::filesystem::temp_directory_path() / ("append-" + std::to_string(::getpid()) + ".txt");
    ExportInput input;
    input.summaryLines = {"\tSITE A"};
    input.headingLine = "\t\tPlug Id\t";
    ASSERT_EQ(writeExport(path.string(), input, ExportMode::Replace), 0);
    ASSERT_EQ(writeExport(path.string(), input, ExportMode::Append), 0);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "SITE A\r\nPlug Id\t\r\n\r\r\nSITE A\r\nPlug Id\t\r\n");
    std::filesystem::remove(path);
    EXPECT_EQ(writeExport("/nonexistent/dir/x.txt", input, ExportMode::Replace), 156);
}

TEST(DefaultMasks, FollowTheStandardsTests) {
    CNorm norm;
    norm.testsMask = 0x1000 | 0x0008 | 0x0020;
    EXPECT_EQ(defaultSyntheticMask(norm), column::kLength | column::kDelay | column::kSkew | column::kZc | (1u << 6));
    EXPECT_EQ(defaultDetailedMask(norm), column::kLength | column::kDelay | (1u << 6) | (1u << 7));
    norm.flags = 0x04;
    EXPECT_EQ(defaultSyntheticMask(norm) & column::kSkew, 0u);
}

}  // namespace
