// Downloading sites from the simulated tester through the link: the whole
// demo unit, an old firmware without curves, and the ways a download ends
// early (chain longer than announced, Cancel, no plugs, a dropped line).
#include <algorithm>

#include "autotest_transfer.h"
#include "site_download.h"
#include "quillet_strings.h"
#include "scripted_interaction.h"
#include "sim_fixture.h"

namespace {

using quillet::testing::ScriptedInteraction;
using namespace quillet::model;

class SiteDownload : public SimulatedTester {
protected:
    std::vector<std::string> listSites() {
        auto lines = listTesterSites(ui, quillet::Regional{});
        EXPECT_TRUE(lines.has_value());
        return lines.value_or(std::vector<std::string>{});
    }

    const torvik::sim::Site &unitSite(const torvik::sim::Unit &unit, const std::string &line) {
        return *unit.sites[static_cast<std::size_t>(slotOfLine(line))];
    }

    ScriptedInteraction ui;
};

bool hasLimitCurveFirst(const CPrise &plug, int slot) {
    const auto *curves = plug.curvesOfSlot(slot);
    return curves && !curves->empty() && curves->front().limitFlag == 1;
}

TEST_F(SiteDownload, DemoUnitComesWithPlugsCurvesDerivedAndLimitCurves) {
    const torvik::sim::Unit unit = torvik::sim::demoUnit();
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    const auto lines = listSites();
    ASSERT_FALSE(lines.empty());
    const std::vector<CSite> sites = downloadSites(lines, ui);
    ASSERT_EQ(sites.size(), lines.size());
    bool sawCurves = false;
    for (std::size_t s = 0; s < sites.size(); ++s) {
        const torvik::sim::Site &expected = unitSite(unit, lines[s]);
        EXPECT_EQ(sites[s].name, expected.name);
        ASSERT_EQ(sites[s].plugs.size(), expected.plugs.size()) << expected.name;
        for (std::size_t p = 0; p < expected.plugs.size(); ++p) {
            EXPECT_EQ(sites[s].plugs[p].plugId, expected.plugs[p].id);
            EXPECT_EQ(sites[s].plugs[p].resultType, expected.plugs[p].result);
        }
        for (const CPrise &plug : sites[s].plugs) {
            if (!plug.hasAnyCurve()) continue;
            sawCurves = true;
            // NEXT measured at both ends gives ACR and power sums, each
            // with the standard's limit curve in front.
            EXPECT_TRUE(hasLimitCurveFirst(plug, curveSlot(kind::kNext, Side::Tester)));
            EXPECT_TRUE(hasLimitCurveFirst(plug, curveSlot(kind::kAcr, Side::Tester)));
            EXPECT_TRUE(hasLimitCurveFirst(plug, curveSlot(kind::kPsNext, Side::Remote)));
            const auto *acr = plug.curvesOfSlot(curveSlot(kind::kAcr, Side::Tester));
            EXPECT_EQ(acr->size(), 7u);  // the limit and six combinations
        }
    }
    EXPECT_TRUE(sawCurves);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

TEST_F(SiteDownload, FirmwareWithoutAutomaticGraphsSendsNoCurves) {
    const torvik::sim::Unit unit = unitAtRevision("C.05");
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    const auto lines = listSites();
    const std::vector<CSite> sites = downloadSites({lines.front()}, ui);
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].plugs.size(), unitSite(unit, lines.front()).plugs.size());
    for (const CPrise &plug : sites[0].plugs) EXPECT_FALSE(plug.hasAnyCurve());
}

TEST_F(SiteDownload, ChainLongerThanAnnouncedStopsWithTheCorruptionMessage) {
    startTester(unitAtRevision("D.05"));
    ASSERT_EQ(openLink(), 0);
    const auto lines = listSites();
    tester().addCommand("NBSECTS_TESTS?", [](const torvik::sim::Command &, torvik::sim::TesterError &) {
        return torvik::sim::Reply::line("3");
    });
    CSite site;
    ASSERT_EQ(readSiteFromTester(site, slotOfLine(lines.front()), ui), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, quillet::formatResource(quillet::ids::kSiteCorrupted, site.name));
    EXPECT_GE(site.plugs.size(), 1u);
    EXPECT_LE(site.plugs.size(), 3u);
}

TEST_F(SiteDownload, CancelKeepsThePlugsFinishedSoFar) {
    const torvik::sim::Unit unit = unitAtRevision("C.05");  // one section per plug
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    const auto lines = listSites();
    ui.steps = 0;  // the listing took steps of its own
    ui.cancelAfterSteps = 5;
    CSite site;
    ASSERT_EQ(readSiteFromTester(site, slotOfLine(lines.front()), ui), 0);
    EXPECT_EQ(site.plugs.size(), 4u);  // the fifth was being filled
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SiteDownload, SiteWithoutPlugsIsReportedAndLeftOut) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    auto firstSite = std::find_if(unit.sites.begin(), unit.sites.end(), [](const auto &s) { return s.has_value(); });
    ASSERT_NE(firstSite, unit.sites.end());
    const std::string name = (*firstSite)->name;
    (*firstSite)->plugs.clear();
    const std::size_t slot = static_cast<std::size_t>(firstSite - unit.sites.begin());
    startTester(unit);
    ASSERT_EQ(openLink(), 0);
    char slotText[8];
    std::snprintf(slotText, sizeof slotText, "%02zu", slot + 1);
    const std::vector<CSite> sites = downloadSites({std::string(slotText) + "\t" + name + "\t0\t01/01/24\t"}, ui);
    EXPECT_TRUE(sites.empty());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, quillet::formatResource(quillet::ids::kNoAutotestData, name));
}

TEST_F(SiteDownload, DroppedLineReportsTheSiteAndKeepsNothingOfIt) {
    startTester();
    ASSERT_EQ(openLink(), 0);
    const auto lines = listSites();
    torvik::sim::Faults faults;
    faults.dropAfterCommand = "SECT?";
    tester().setFaults(faults);
    const std::vector<CSite> sites = downloadSites({lines.front()}, ui);
    EXPECT_TRUE(sites.empty());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text,
              quillet::formatResource(quillet::ids::kUnableToReadSite, siteNameOfLine(lines.front())));
}

}  // namespace
