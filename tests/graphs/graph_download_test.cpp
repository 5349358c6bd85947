// Graph downloads from the simulated tester through the link: the demo
// unit's graphs with one limit curve per site and kind, a standard without
// limits for a kind, Cancel while reading, and the curves of a downloaded
// plug as a graph document.
#include <set>

#include "autotest_transfer.h"
#include "graph_download.h"
#include "graph_file.h"
#include "measure_kind.h"
#include "new_limits.h"
#include "plug_graph.h"
#include "scripted_interaction.h"
#include "sim_fixture.h"

namespace {

using quillet::testing::ScriptedInteraction;
using namespace quillet;
using namespace quillet::graphs;

class GraphDownloadTest : public SimulatedTester {
protected:
    std::vector<std::string> listGraphs() {
        auto lines = listTesterGraphs(ui, Regional{});
        EXPECT_TRUE(lines.has_value());
        return lines.value_or(std::vector<std::string>{});
    }

    static std::size_t graphCount(const torvik::sim::Unit &unit) {
        std::size_t count = 0;
        for (const auto &site : unit.sites) count += site ? site->graphs.size() : 0;
        return count;
    }

    ScriptedInteraction ui;
};

TEST_F(GraphDownloadTest, DemoGraphsComeWithOneLimitCurvePerSiteAndKind) {
    const torvik::sim::Unit unit = torvik::sim::demoUnit();
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    const auto lines = listGraphs();
    ASSERT_EQ(lines.size(), graphCount(unit));
    EXPECT_EQ(lines.front().substr(0, 5), "01001");
    EXPECT_EQ(lines.front().find("\tBLDG A FL2\t"), 5u) << lines.front();

    const auto download = downloadGraphs(lines, ui);
    ASSERT_TRUE(download.has_value());
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    const model::GraphFile &file = download->file;
    EXPECT_EQ(download->title, "BLDG A FL2");
    EXPECT_EQ(file.siteList, "BLDG A FL2, BLDG A FL3, WAREHOUSE, OFFICE 1.14");
    EXPECT_EQ(file.testerSerial, "T0412345");
    EXPECT_EQ(file.user, "J SMITH");

    std::set<std::pair<std::string, int>> limits;  // (standard, kind)
    std::size_t measured = 0;
    for (const model::CGrphMes &curve : file.curves) {
        ASSERT_EQ(curve.values.GetSize(), curve.frequencies.GetSize());
        if (curve.limitFlag == 1) {
            EXPECT_TRUE(limits.insert({curve.title, curve.kind}).second) << curve.title << " kind " << curve.kind;
            continue;
        }
        const int site = siteOfGraphLine(lines[measured]);
        const torvik::sim::Graph &expected = unit.sites[static_cast<std::size_t>(site)]
                                                 ->graphs[static_cast<std::size_t>(graphOfGraphLine(lines[measured]))];
        ++measured;
        EXPECT_EQ(curve.kind, expected.kind);
        EXPECT_EQ(curve.side, expected.side);
        EXPECT_EQ(curve.timeStamp, expected.dateTime);
        EXPECT_EQ(curve.title, unit.sites[static_cast<std::size_t>(site)]->name + ":" + expected.id + ":" +
                                   expected.pairText + (expected.side ? "R" : ""));
        ASSERT_EQ(static_cast<std::size_t>(curve.values.GetSize()), expected.values.size());
        for (std::size_t i = 0; i < expected.values.size(); i += 37)
            EXPECT_FLOAT_EQ(curve.values.GetAt(static_cast<std::int32_t>(i)), expected.values[i] / 8.0f);
    }
    EXPECT_EQ(measured, lines.size());
    // Every kind is among the demo's graphs.
    std::set<int> kinds;
    for (const auto &limit : limits) kinds.insert(limit.second);
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(model::kind::kCount));
}

TEST_F(GraphDownloadTest, KindWithoutLimitsInTheStandardKeepsTheMeasuredCurveAlone) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    const torvik::sim::Site &site = *unit.sites[0];
    const int kind = site.graphs.front().kind;
    unit.standards[site.standard].limits[static_cast<std::size_t>(kind)] = {};
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    const auto lines = listGraphs();
    const auto download = downloadGraphs({lines.front()}, ui);
    ASSERT_TRUE(download.has_value());
    ASSERT_EQ(download->file.curves.size(), 1u);
    EXPECT_EQ(download->file.curves.front().limitFlag, 0);
    EXPECT_EQ(download->file.curves.front().kind, kind);
}

TEST_F(GraphDownloadTest, CancelWhileReadingKeepsTheGraphsReadSoFar) {
    startTester();
    ASSERT_EQ(openLink(), 0);
    const auto lines = listGraphs();
    ASSERT_GE(lines.size(), 3u);
    ui.cancelAfterSteps = ui.steps + 2;  // two graphs read, then Cancel
    const auto download = downloadGraphs(lines, ui);
    ASSERT_TRUE(download.has_value());
    std::size_t measured = 0;
    for (const auto &curve : download->file.curves) measured += curve.limitFlag == 0 ? 1 : 0;
    EXPECT_EQ(measured, 2u);
}

TEST_F(GraphDownloadTest, PlugCurvesOfADownloadedSiteOpenPerSlotWithTheirLimit) {
    startTester();
    ASSERT_EQ(openLink(), 0);
    const auto sites = model::downloadSites({*model::listTesterSites(ui, Regional{})->begin()}, ui);
    ASSERT_EQ(sites.size(), 1u);
    const model::CSite &site = sites.front();
    const model::CPrise *plug = nullptr;
    for (const auto &p : site.plugs) {
        if (p.hasAnyCurve()) plug = &p;
    }
    ASSERT_NE(plug, nullptr);
    int opened = 0;
    for (int command = kSeePlugCurvesFirst; command <= kSeePlugCurvesLast; ++command) {
        const int slot = *slotOfPlugCurvesCommand(command);
        const auto graph = plugGraph(site, *plug, slot);
        ASSERT_EQ(graph.has_value(), plugHoldsSlot(*plug, slot)) << "slot " << slot;
        if (!graph) continue;
        ++opened;
        EXPECT_EQ(graph->file.representationTitle, site.name + ":" + plug->plugId);
        EXPECT_EQ(graph->title, site.name + "_" + plug->plugId + "_" +
                                    model::slotName(slot, model::NameForm::Short, "-"));
        EXPECT_EQ(graph->file.curves, *plug->curvesOfSlot(slot));
        EXPECT_EQ(graph->file.curves.front().limitFlag, 1);
        EXPECT_EQ(graph->file.testerSerial, site.testerSerial);
    }
    EXPECT_GT(opened, 1);
    EXPECT_FALSE(slotOfPlugCurvesCommand(kSeePlugCurvesFirst - 1));
    EXPECT_FALSE(slotOfPlugCurvesCommand(kSeePlugCurvesLast + 1));
}

}  // namespace

namespace {

TEST_F(GraphDownloadTest, NewLimitsFollowTheReferenceCurvesFrequencies) {
    startTester();
    ASSERT_EQ(openLink(), 0);
    const auto graphs = downloadGraphs({listGraphs().front()}, ui);
    ASSERT_TRUE(graphs.has_value());
    model::GraphFile file = graphs->file;
    const std::size_t before = file.curves.size();
    const model::CGrphMes reference = file.curves.back();

    const auto lines = listTesterLimits(ui);
    ASSERT_TRUE(lines.has_value());
    ASSERT_FALSE(lines->empty());
    EXPECT_EQ(lines->front().substr(3, 1), "\t");
    const int added = runNewLimits(ui, file, before - 1);
    EXPECT_GT(added, 0);
    ASSERT_EQ(file.curves.size(), before + static_cast<std::size_t>(added));
    for (std::size_t i = before; i < file.curves.size(); ++i) {
        const model::CGrphMes &limit = file.curves[i];
        EXPECT_EQ(limit.limitFlag, 1);
        ASSERT_GT(limit.frequencies.GetSize(), 0);
        ASSERT_LE(limit.frequencies.GetSize(), reference.frequencies.GetSize());
        EXPECT_FLOAT_EQ(limit.frequencies.GetAt(0), reference.frequencies.GetAt(0));
    }
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

}  // namespace
