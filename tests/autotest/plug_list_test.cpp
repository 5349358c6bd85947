// The plug list without its window: which plugs it shows, where detail
// blocks go, the line limit of the Detail commands, hiding plugs, and the
// export of a list with a detailed plug.
#include <gtest/gtest.h>

#include <string>

#include "detail_lines.h"
#include "hand_made_site.h"
#include "plug_list.h"
#include "text_export.h"

namespace {

using namespace quillet::model;
using namespace quillet::autotest;
using namespace quillet::testing;
using quillet::NumberFormat;
using quillet::Regional;

CSite siteOfPlugs(std::size_t count) {
    setenv("TZ", "UTC", 1);
    tzset();
    CSite site = copperSite();
    site.standard.testsMask = 0x0008;
    for (std::size_t i = 0; i < count; ++i) {
        CPrise plug;
        plug.plugId = "P" + std::to_string(i + 1);
        plug.resultType = 5;
        setDelays(plug, {400, 400, 400, 400});
        site.plugs.push_back(plug);
    }
    return site;
}

struct ListFixture {
    explicit ListFixture(std::size_t plugs, std::uint32_t detailedMask = column::kDelay)
        : site(siteOfPlugs(plugs)), verdicts(site, NumberFormat()), context{site, verdicts, NumberFormat(), Regional{}},
          list(context, column::kDelay, detailedMask) {}

    // "P3" for a plug line, "P3+" for a line of its detail block.
    std::string shape() const {
        std::string text;
        for (const auto &line : list.lines()) text += site.plugs[line.plug].plugId + (line.detail ? "+ " : " ");
        return text;
    }

    CSite site;
    SiteVerdicts verdicts;
    ListContext context;
    PlugList list;
};

std::string repeated(const std::string &text, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += text;
    return out;
}

TEST(PlugList, DetailContractHideAndShowAll) {
    ListFixture f(4);
    EXPECT_EQ(f.shape(), "P1 P2 P3 P4 ");
    const std::size_t block = detailLines(f.context, f.site.plugs[0], column::kDelay).size();

    EXPECT_TRUE(f.list.detail({1}).complete);
    EXPECT_EQ(f.shape(), "P1 P2 " + repeated("P2+ ", block) + "P3 P4 ");
    EXPECT_TRUE(f.list.isDetailed(1));
    EXPECT_FALSE(f.list.isDetailed(0));
    // The report and the export tell detail lines by their two leading tabs.
    for (const auto &line : f.list.lines()) EXPECT_EQ(isDetailLine(line.line.text), line.detail) << line.line.text;
    EXPECT_EQ(f.list.blockSize(), block);

    // A detail line or a plug already detailed is passed over.
    f.list.detail({1, 2, 2 + block});
    EXPECT_EQ(f.shape(), "P1 P2 " + repeated("P2+ ", block) + "P3 " + repeated("P3+ ", block) + "P4 ");
    f.list.contract({1});
    EXPECT_EQ(f.shape(), "P1 P2 P3 " + repeated("P3+ ", block) + "P4 ");

    // New masks keep the details; hiding contracts everything first.
    f.list.setMasks(column::kDelay, column::kDelay | column::kLength);
    EXPECT_TRUE(f.list.isDetailed(2));
    f.list.hide({0, 2});
    EXPECT_EQ(f.shape(), "P2 P4 ");
    EXPECT_EQ(f.list.listedPlugs().size(), 2u);
    f.list.detailAll();
    f.list.hideOthers({0});
    EXPECT_EQ(f.shape(), "P2 ");
    f.list.showAll();
    EXPECT_EQ(f.shape(), "P1 P2 P3 P4 ");
}

// Detailing stops before the list would pass its line limit and tells how
// many plugs can be detailed at most.
TEST(PlugList, DetailStopsAtTheLineLimit) {
    ListFixture f(20000, 0);
    const std::size_t block = detailLines(f.context, f.site.plugs[0], 0).size();
    ASSERT_EQ(block, 2u);
    const DetailOutcome outcome = f.list.detailAll();
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.mostPlugs, (PlugList::kMaxLines - 20000) / block);
    EXPECT_LE(f.list.lines().size(), PlugList::kMaxLines);
    EXPECT_GT(f.list.lines().size() + block, PlugList::kMaxLines);
}

// A site of more plugs than the list holds lines leaves room for none.
TEST(PlugList, DetailOfMorePlugsThanTheListHoldsAllowsNone) {
    ListFixture f(PlugList::kMaxLines + 3, 0);
    const DetailOutcome outcome = f.list.detailAll();
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.mostPlugs, 0u);
}

// Twelve plugs shown give twelve plug lines after the heading; detailing
// one adds its block right after its own line, and the export writes the
// wiring heading from the detailed mask.
TEST(PlugList, ExportOfADetailedPlug) {
    ListFixture f(12);
    f.list.detail({4});
    const ExportInput input = exportInputOf(f.list, "CERTIFICATION REPORT");
    std::string plugBlock;
    for (const auto &line : input.plugLines) plugBlock += exportPlugLine(line, input.detailedMask);

    const std::string p5 = "P5\t \tPASS\t01/01/70 00:00:00\r\n";
    const std::string block =
        "\t\t\r\n"
        "\t\tDelay\t\r\n"
        "\tPair\tMeas.\tLimit\r\n"
        "\t\t 400 ns\t 470 ns\r\n"
        "\t\t 400 ns\t 470 ns\r\n"
        "\t\t 400 ns\t 470 ns\r\n"
        "\t\t 400 ns\t 470 ns\r\n"
        "\tSkew\t 0.0 ns\t45.0 ns\r\n"
        "\t\t\r\n";
    EXPECT_NE(plugBlock.find(p5 + block + "P6\t"), std::string::npos) << plugBlock;
    EXPECT_EQ(f.list.lines().size(), 12 + 9u);
}

}  // namespace
