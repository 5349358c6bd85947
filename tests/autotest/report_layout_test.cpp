// The report's page description without a device: which plug-list lines
// fall on which page, the table stops, the black-and-white type styles, the
// small plots of a detailed plug and the foot of the page.
#include <gtest/gtest.h>

#include <string>

#include "hand_made_site.h"
#include "plug_list.h"
#include "report_layout.h"
#include "report_profile.h"

namespace {

using namespace quillet::autotest;
using quillet::model::Side;

// A list from a shape: "p" a plain plug line, "D" a detailed plug line,
// "d" a line of a detail block.
std::vector<PlugListLine> shaped(const std::string &shape) {
    std::vector<PlugListLine> lines;
    std::size_t plug = 0;
    for (char c : shape) {
        if (c == ' ') continue;
        PlugListLine line;
        line.detail = c == 'd';
        line.plug = line.detail ? plug - 1 : plug++;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::size_t> everyPage(std::size_t lines, std::size_t perPage) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < lines; i += perPage) starts.push_back(i);
    return starts;
}

TEST(ReportLayout, LinesPerPageLeaveRoomForHeaderHeadingAndFoot) {
    EXPECT_EQ(reportLinesPerPage(50 * 12, 12, 6), 40);
    EXPECT_EQ(reportLinesPerPage(50 * 12 + 11, 12, 6), 40);
    EXPECT_EQ(reportLinesPerPage(5 * 12, 12, 6), 1);  // never below one line
}

TEST(ReportLayout, PageStarts) {
    const struct {
        const char *what;
        std::string shape;
        int perPage;
        std::vector<std::size_t> starts;
    } cases[] = {
        {"no plug line shown: the site block alone", "", 40, {0}},
        {"one plug: the table on page 2", "p", 40, {0, 0}},
        {"40 plugs on a 40-line page", std::string(40, 'p'), 40, {0, 0}},
        {"41 plugs take a third page", std::string(41, 'p'), 40, {0, 0, 40}},
        {"detailed plugs start a page, so does the plug after a block", "p Ddd p Ddd p p", 40, {0, 0, 1, 4, 5, 8}},
        {"two detailed plugs in a row", "Ddd Ddd", 40, {0, 0, 3}},
        {"a block longer than a page goes on over the next", "Ddddd p", 3, {0, 0, 3, 5}},
        {"plain plugs after a block fill pages again", "Dd pppp", 3, {0, 0, 2, 5}},
    };
    for (const auto &c : cases) EXPECT_EQ(reportPageStarts(shaped(c.shape), c.perPage), c.starts) << c.what;
}

TEST(ReportLayout, ThousandPlugsFillWholePages) {
    const auto starts = reportPageStarts(shaped(std::string(1000, 'p')), 40);
    EXPECT_EQ(starts, everyPage(1000, 40));
    EXPECT_EQ(starts.size(), 26u);
    // The last page holds what is left, up to the last line.
    const PageRows last = reportPageRows(starts, 26, 1000);
    EXPECT_EQ(last.first, 960u);
    EXPECT_EQ(last.end, 1000u);
}

TEST(ReportLayout, PageRows) {
    const std::vector<std::size_t> starts{0, 0, 1, 4};
    const struct {
        int page;
        std::size_t first, end;
    } cases[] = {{1, 0, 0}, {2, 0, 1}, {3, 1, 4}, {4, 4, 9}, {5, 0, 0}, {0, 0, 0}};
    for (const auto &c : cases) {
        const PageRows rows = reportPageRows(starts, c.page, 9);
        EXPECT_EQ(rows.first, c.first) << "page " << c.page;
        EXPECT_EQ(rows.end, c.end) << "page " << c.page;
    }
}

// The detail blocks of a real plug list: each detailed plug heads a page
// with its whole block when the block fits.
TEST(ReportLayout, DetailBlocksOfAPlugListStayWhole) {
    using namespace quillet::testing;
    quillet::model::CSite site = copperSite();
    site.standard.testsMask = 0x0008;
    for (int i = 0; i < 40; ++i) {
        quillet::model::CPrise plug;
        plug.plugId = "P" + std::to_string(i + 1);
        site.plugs.push_back(plug);
    }
    const quillet::model::SiteVerdicts verdicts(site, quillet::NumberFormat());
    const ListContext context{site, verdicts, quillet::NumberFormat(), quillet::Regional{}};
    PlugList list(context, column::kDelay, column::kDelay);
    list.showAll();
    list.detail({3, 10});
    const std::size_t block = list.blockSize();
    ASSERT_GT(block, 0u);
    const auto starts = reportPageStarts(list.lines(), 40);
    // Page 2: plugs 1-3; page 3: plug 4 and its block; page 4: plugs 5-10;
    // page 5: plug 11 and its block; page 6: the rest.
    const std::vector<std::size_t> expected{0, 0, 3, 4 + block, 10 + block, 11 + 2 * block};
    EXPECT_EQ(starts, expected);
    EXPECT_TRUE(list.isDetailed(starts[2]));
    EXPECT_TRUE(list.isDetailed(starts[4]));
}

TEST(ReportLayout, TableStopsFollowTheLongestPlugId) {
    const std::vector<int> standard = plugTableStops(15);
    EXPECT_EQ(standard, (std::vector<int>{0, 1, 6, 22, 24, 33, 42, 51, 60, 69, 78, 87, 96, 105, 114, 123, 132, 146}));
    // The curve mark follows the identifier column, whatever its width.
    for (int width : {7, 15, 20}) {
        const std::vector<int> stops = plugTableStops(width);
        EXPECT_EQ(stops.size(), 18u);
        EXPECT_EQ(stops[3] - stops[2], width + 1) << width;
        EXPECT_EQ(stops.back() - stops[4], 12 * 9 + 14) << width;
    }
    EXPECT_EQ(detailStops(6), (std::vector<int>{0, 0, 4, 13, 22, 31}));
    EXPECT_EQ(siteBlockStops(), (std::vector<int>{1, 25, 27, 29, 77}));

    quillet::model::CSite site;
    site.plugs.resize(2);
    site.plugs[0].plugId = "A";
    EXPECT_EQ(plugIdWidth(site), 7);  // "Plug Id"
    site.plugs[1].plugId = "BUILDING-A-ROOM-12";
    EXPECT_EQ(plugIdWidth(site), 18);
}

TEST(ReportLayout, FieldStylesOnColourAndMonochromeDevices) {
    const struct {
        FieldColour colour;
        bool mono, strike;
        FieldColour printed;
        int weight;
        bool italic, struck;
    } cases[] = {
        {FieldColour::Fail, false, true, FieldColour::Fail, 400, false, false},
        {FieldColour::Pass, false, false, FieldColour::Pass, 400, false, false},
        {FieldColour::Fail, true, true, FieldColour::Normal, 900, false, true},
        {FieldColour::Fail, true, false, FieldColour::Normal, 900, false, false},
        {FieldColour::Limit, true, true, FieldColour::Normal, 400, true, false},
        {FieldColour::Pass, true, true, FieldColour::Normal, 400, false, false},
    };
    for (const auto &c : cases) {
        const FieldStyle style = reportFieldStyle(c.colour, c.mono, c.strike);
        SCOPED_TRACE(testing::Message() << "colour " << int(c.colour) << " mono " << c.mono << " strike " << c.strike);
        EXPECT_EQ(style.colour, c.printed);
        EXPECT_EQ(style.weight, c.weight);
        EXPECT_EQ(style.italic, c.italic);
        EXPECT_EQ(style.strikeOut, c.struck);
    }
}

TEST(ReportLayout, SmallPlotsOnlyForMeasurementsTheDetailShows) {
    const std::uint32_t nextTester = 1u << 6, returnLossRemote = 1u << 19, psNext = 1u << 8;
    const auto cells = reportPlotCells(nextTester | returnLossRemote | psNext | column::kAttenuation);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0].kind, 0);
    EXPECT_EQ(cells[0].side, Side::Tester);
    EXPECT_EQ(cells[1].side, Side::Remote);
    EXPECT_EQ(cells[1].column, 1);
    EXPECT_EQ(cells[2].kind, 3);  // return loss moves up to row 1
    EXPECT_EQ(cells[2].row, 1);
    EXPECT_EQ(cells[4].kind, 2);  // attenuation: one plot
    EXPECT_EQ(cells[4].row, 2);
    EXPECT_TRUE(reportPlotCells(column::kDelay | psNext).empty());
    EXPECT_EQ(reportPlotCells(0x1FFFC0).size(), 9u);

    const ReportRect cell = plotCellRect({100, 50, 400, 500}, cells[1], 10, 30);
    EXPECT_DOUBLE_EQ(cell.x, 330);
    EXPECT_DOUBLE_EQ(cell.y, 60);
    EXPECT_DOUBLE_EQ(cell.width, 160);
    EXPECT_DOUBLE_EQ(cell.height, 75);
}

TEST(ReportLayout, DetailTitlesAndVerdicts) {
    EXPECT_EQ(detailPlugTitle("R12"), "Plug Id R12 ");
    const struct {
        int type;
        const char *text;
    } cases[] = {{0, "FAIL "}, {2, "FAIL "}, {3, "FAIL* "}, {4, "PASS* "}, {5, "PASS "}};
    for (const auto &c : cases) EXPECT_EQ(detailPlugVerdict(c.type), c.text) << c.type;
    EXPECT_TRUE(isDetailSectionTitle("\t\tPowerSum ELFEXT"));
    EXPECT_TRUE(isDetailSectionTitle("\t\tMapping\t\t\t\t\tLength"));
    EXPECT_FALSE(isDetailSectionTitle("\t\t1-2\t12.0\t14.5"));
}

TEST(ReportLayout, FootOfEveryPage) {
    const ReportFoot foot = reportFoot("ROOM1", 1, 3, ',');
    EXPECT_EQ(foot.failSample, "XX,X");
    EXPECT_EQ(foot.leftFirst, ") failing value - (####) value not measured or limit not specified");
    EXPECT_EQ(foot.leftSecond, " (*) value near the measurement uncertainty");
    EXPECT_EQ(foot.rightFirst, "Site: ROOM1 - Page 1/3");
    EXPECT_EQ(foot.rightSecond, " (~) plug with curves");
}

TEST(ReportLayout, ColoursAndTitleFromTheProfile) {
    const std::string path = ::testing::TempDir() + "/report_profile.ini";
    {
        FILE *file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("[Options]\nPassColor=65280\nFailColor=oops\nStrikeFailBW=1\nTitle=ACCEPTANCE\n", file);
        std::fclose(file);
    }
    const ReportColours colours = readReportColours(path);
    EXPECT_EQ(colours.pass, 65280u);
    EXPECT_EQ(colours.fail, 255u);  // unreadable: the default
    EXPECT_EQ(colours.limit, 8388608u);
    EXPECT_TRUE(colours.strikeFailBW);
    EXPECT_EQ(readReportTitle(path), "ACCEPTANCE");
    EXPECT_EQ(readReportTitle(path + ".missing"), "CERTIFICATION REPORT");
}

}  // namespace
