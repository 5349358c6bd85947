// The listing of a standards document, line by line: each kind of standard
// in full, the sweep's segments and steps, the optional lines, the user's
// decimal separator; then the tab layout, the pagination and the export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "listing_export.h"
#include "norm_listing.h"
#include "tab_layout.h"
#include "text_pages.h"

namespace {

using quillet::NumberFormat;
using quillet::model::CNorm;
using quillet::model::SweepSegment;
using namespace quillet::standards;
using Lines = std::vector<std::string>;

const NumberFormat kDot('.');
const NumberFormat kComma(',');

CNorm copperPermanentLink() {
    CNorm s;
    s.name = "TIA Cat 6 Perm. Link";
    s.testsMask = 0x3FCF;
    s.maxLength = 90;
    s.maxDelay = 498;
    s.maxSkew = 44;
    s.maxLoopResistance = 21;
    s.sweep = {{60, 6, 189}, {1200, 15, 510}, {6030, 30, 810}};
    return s;
}

CNorm valueModeLink() {
    CNorm s;
    s.name = "Basic Link 100\xDB";  // the tester's Ohm sign
    s.flags = 0x04;
    s.zcTolerance = 15;
    s.maxLoopResistance = 25;
    s.maxLength = 100;
    s.maxDelay = 555;
    s.maxSkew = 50;
    s.testsMask = 0x002F;
    s.sweep = {{60, 60, 99}};
    return s;
}

CNorm opticalLink(const std::string &name, std::uint8_t flags = 0x08) {
    CNorm s;
    s.name = name;
    s.flags = flags;
    s.testsMask = 0x2003;
    s.optical = {{{{{850, 260}, {1300, 200}}}, {{{850, 280}, {1300, 210}}}, {{{1310, 180}, {1550, 180}}}}};
    return s;
}

TEST(NormListing, FrequencySweepStandardInFull) {
    const Lines expected{
        "\t02\tStandard:\tTIA Cat 6 Perm. Link",
        "\t\t\tFrequency sweep:",
        "\t\t\t\t1-20 MHz by step of 100 kHz",
        "\t\t\t\t20-100.5 MHz by step of 250 kHz",
        "\t\t\t\t100.5-250 MHz by step of 500 kHz",
        "\t\t\tMax. Length: 90 m",
        "\t\t\tMax. Propagation Delay: 498 ns",
        "\t\t\tMax. Propagation Gap: 44 ns",
        "\t\t\tMax. Loop Resistance: 21 ohm",
        "\t\t\tWorst case: NEXT, PSNEXT, ELFEXT, PSELF., ACR, PSACR, R.Loss, Att.",
        "",
    };
    EXPECT_EQ(standardLines(copperPermanentLink(), 1, kDot), expected);
}

TEST(NormListing, ValueModeStandardInFull) {
    const Lines expected{
        "\t06\tStandard:\tBasic Link 100 Ohm",
        "\t\t\tMax. Length: 100 m",
        "\t\t\tMax. Propagation Delay: 555 ns",
        "\t\t\tMax. Loop Resistance: 25 ohm",
        "\t\t\tZc \xB1"
        "15 ohm",
        "",
    };
    EXPECT_EQ(standardLines(valueModeLink(), 5, kDot), expected);
}

TEST(NormListing, OpticalStandardInFull) {
    const Lines expected{
        "\t07\tStandard:\tISO11801 OF-300 (Opt.)",
        "\t\t\tAttenuation:",
        "\t\t\t\tMultiMode 50 \xB5m:",
        "\t\t\t\t  0850 nm: 2.60 dB Max.",
        "\t\t\t\t  1300 nm: 2.00 dB Max.",
        "\t\t\t\tMultiMode 62.5 \xB5m:",
        "\t\t\t\t  0850 nm: 2.80 dB Max.",
        "\t\t\t\t  1300 nm: 2.10 dB Max.",
        "\t\t\t\tMonoMode:",
        "\t\t\t\t  1310 nm: 1.80 dB Max.",
        "\t\t\t\t  1550 nm: 1.80 dB Max.",
        "",
    };
    EXPECT_EQ(standardLines(opticalLink("ISO11801 OF-300"), 6, kDot), expected);
}

TEST(NormListing, OpticalTablesLeftOutWhenEmptyOrExcluded) {
    CNorm s = opticalLink("OF-300", 0x28);  // no single-mode table
    s.optical[0] = {};                      // 50 µm: no wavelength
    s.optical[1][0].label = 0;              // 62.5 µm: the second entry only
    const Lines expected{
        "\t01\tStandard:\tTIA568B OF-300 (Opt.)",
        "\t\t\tAttenuation:",
        "\t\t\t\tMultiMode 62.5 \xB5m:",
        "\t\t\t\t  1300 nm: 2.10 dB Max.",
        "",
    };
    EXPECT_EQ(standardLines(s, 0, kDot), expected);
}

TEST(NormListing, UserDecimalSeparatorInNumbersAndModeNames) {
    const Lines sweep = standardLines(copperPermanentLink(), 0, kComma);
    EXPECT_EQ(sweep[3], "\t\t\t\t20-100,5 MHz by step of 250 kHz");
    const Lines optical = standardLines(opticalLink("ISO11801 OF-300"), 0, kComma);
    EXPECT_EQ(optical[5], "\t\t\t\tMultiMode 62,5 \xB5m:");
    EXPECT_EQ(optical[6], "\t\t\t\t  0850 nm: 2,80 dB Max.");
}

// Segment ends: the next segment's start, the last one's from its last
// sweep index; a segment that ends where it starts has no line. Steps of a
// whole MHz or more in MHz, smaller ones in whole kHz.
TEST(NormListing, SweepSegments) {
    struct Case {
        std::vector<SweepSegment> sweep;
        Lines segmentLines;
    };
    const Case cases[] = {
        {{{60, 6, 0}, {120, 6, 100}}, {"\t\t\t\t2-11.9 MHz by step of 100 kHz"}},
        {{{60, 60, 99}}, {"\t\t\t\t1-100 MHz by step of 1 MHz"}},
        {{{60, 30, 9}, {600, 120, 20}}, {"\t\t\t\t1-10 MHz by step of 500 kHz", "\t\t\t\t10-30 MHz by step of 2 MHz"}},
        {{{100, 7, 10}}, {"\t\t\t\t1.67-2.83 MHz by step of 116 kHz"}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        CNorm s;
        s.sweep = c.sweep;
        Lines got;
        for (std::size_t r = 0; r < s.sweep.size(); ++r) {
            if (auto line = sweepSegmentLine(s, r, kDot); !line.empty()) got.push_back(line);
        }
        EXPECT_EQ(got, c.segmentLines) << c.sweep.size() << " segment(s)";
    }
}

// Lines that depend on the tests mask and on limits left at 0.
TEST(NormListing, OptionalLines) {
    CNorm noDc = copperPermanentLink();
    noDc.testsMask = 0x0008;  // length only: no frequency test, no loop test
    noDc.maxDelay = 0;
    noDc.maxSkew = 0;
    noDc.sweep.clear();
    EXPECT_EQ(standardLines(noDc, 0, kDot),
              (Lines{"\t01\tStandard:\tTIA Cat 6 Perm. Link", "\t\t\tFrequency sweep:", "\t\t\tMax. Length: 90 m",
                     "\t\t\tWorst case: ", ""}));

    CNorm bare = valueModeLink();
    bare.testsMask = 0x0004 | 0x0020;  // loop and impedance asked, without limits
    bare.maxLoopResistance = 0;
    bare.zcTolerance = 0;
    EXPECT_EQ(standardLines(bare, 0, kDot), (Lines{"\t01\tStandard:\tBasic Link 100 Ohm", ""}));
}

TEST(NormListing, WorstCaseNamesInTheirOrder) {
    EXPECT_EQ(worstCaseLine(0), "\t\t\tWorst case: ");
    EXPECT_EQ(worstCaseLine(0x2000 | 0x1000), "\t\t\tWorst case: NEXT, Att.");
    EXPECT_EQ(worstCaseLine(0x0040 | 0x0100 | 0x000F), "\t\t\tWorst case: ACR, R.Loss");
}

TEST(NormListing, DocumentListsEveryStandardInOrder) {
    const Lines lines = normListingLines({valueModeLink(), opticalLink("ISO11801 OF-300")}, kDot);
    ASSERT_EQ(lines.size(), 6u + 12u);
    EXPECT_EQ(lines[0], "\t01\tStandard:\tBasic Link 100 Ohm");
    EXPECT_EQ(lines[6], "\t02\tStandard:\tISO11801 OF-300 (Opt.)");
    EXPECT_TRUE(normListingLines({}, kDot).empty());
    int opening = 0;
    for (const auto &line : lines) opening += opensStandard(line) ? 1 : 0;
    EXPECT_EQ(opening, 2);
}

TEST(TabLayout, FieldsGoToTheNextStopBeyondTheText) {
    const auto print = scaledStops(kListingTabStops, 1.0);
    const auto placed = placeFields("\t01\tStandard:\tName", print);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].column, 1);
    EXPECT_EQ(placed[1].column, 4);
    EXPECT_EQ(placed[2].column, 22);  // "Standard:" ends on the stop at 13
    EXPECT_EQ(placed[2].text, "Name");

    const auto screen = scaledStops(kListingTabStops, 0.5);
    EXPECT_EQ(placeFields("\t\t\tMax. Length: 90 m", screen).front().column, 5.5);
    // Beyond the last stop the last interval repeats.
    EXPECT_EQ(placeFields(std::string(10, '\t') + "x", print).front().column, 57);
}

TEST(TextPages, BodyLinesPageCountAndRanges) {
    EXPECT_EQ(bodyLinesPerPage(1000, 10, 6), 92);
    EXPECT_EQ(bodyLinesPerPage(50, 10, 6), 1);  // never nothing
    EXPECT_EQ(textPageCount(0, 92), 1);
    EXPECT_EQ(textPageCount(92, 92), 1);
    EXPECT_EQ(textPageCount(93, 92), 2);
    const PageLines last = pageLines(2, 92, 93);
    EXPECT_EQ(last.first, 92u);
    EXPECT_EQ(last.end, 93u);
    EXPECT_EQ(pageLines(3, 92, 93).first, 93u);
}

class ListingExport : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("norm-export-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(ListingExport, EveryLineEndsWithCrLfInTheDocumentsBytes) {
    quillet::model::NormFile file;
    file.standards = {valueModeLink()};
    const auto path = (dir_ / "out.txt").string();
    ASSERT_TRUE(exportNormListing(path, file, kDot));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes,
              "\t01\tStandard:\tBasic Link 100 Ohm\r\n\t\t\tMax. Length: 100 m\r\n"
              "\t\t\tMax. Propagation Delay: 555 ns\r\n\t\t\tMax. Loop Resistance: 25 ohm\r\n"
              "\t\t\tZc \xB1"
              "15 ohm\r\n\r\n");
}

TEST_F(ListingExport, UnwritableTargetIsAnErrorAndLeavesNothing) {
    const auto path = (dir_ / "missing" / "out.txt").string();
    const auto saved = exportNormListing(path, {}, kDot);
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().text().find("missing"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

}  // namespace
