// Downloads over a poor line: what a link failure, a late reply, line noise,
// a truncated reply and a Cancel leave of the sites, and what is reported.
#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>

#include "autotest_transfer.h"
#include "quillet_strings.h"
#include "scripted_interaction.h"
#include "sim_fixture.h"
#include "site_download.h"

namespace {

using quillet::testing::ScriptedInteraction;
using namespace quillet::model;
namespace ids = quillet::ids;

// One section per plug: the plugs kept tell how many sections were read.
const char *const kOneSectionPerPlug = "C.05";

class FaultyLine : public SimulatedTester {
protected:
    void SetUp() override {
        startTester(unitAtRevision(kOneSectionPerPlug));
        ASSERT_EQ(openLink(), 0);
        auto listed = listTesterSites(ui, quillet::Regional{});
        ASSERT_TRUE(listed && listed->size() >= 2);
        lines = *listed;
        ui.steps = 0;
    }

    // The query lines the tester received (not the error lines), in order.
    std::vector<std::string> queriesReceived() const {
        std::vector<std::string> queries;
        std::istringstream trace(const_cast<FaultyLine *>(this)->tester().received());
        for (std::string line; std::getline(trace, line);) {
            if (line == "REM" || line == "ERR?" || line == "CL_ERR" || line == "LOC" || line == "\x14") continue;
            queries.push_back(line);
        }
        return queries;
    }

    // The number (from 1) of the query that asks for the n-th section of the
    // first site, found by a clean reading of it.
    int sectionQuery(int n) {
        tester().clearTrace();
        CSite site;
        EXPECT_EQ(readSiteFromTester(site, slotOfLine(lines.front()), ui), 0);
        clean = site;
        const auto queries = queriesReceived();
        int seen = 0;
        for (std::size_t i = 0; i < queries.size(); ++i) {
            if (queries[i].starts_with("SECT?") && ++seen == n) return static_cast<int>(i) + 1;
        }
        ADD_FAILURE() << "fewer than " << n << " sections";
        return 0;
    }

    void inject(const std::function<void(torvik::sim::Faults &)> &edit) {
        torvik::sim::Faults faults;
        edit(faults);
        tester().setFaults(faults);  // counts queries from here
        tester().clearTrace();
        ui.messages.clear();
    }

    bool shown(const std::string &text) const {
        return std::any_of(ui.messages.begin(), ui.messages.end(), [&](const auto &m) { return m.text == text; });
    }

    std::vector<std::string> lines;
    CSite clean;
    ScriptedInteraction ui;
};

std::vector<std::string> plugIds(const CSite &site) {
    std::vector<std::string> ids;
    for (const CPrise &plug : site.plugs) ids.push_back(plug.plugId);
    return ids;
}

TEST_F(FaultyLine, DroppedLineKeepsThePlugsReadAndNamesEverySiteNotReadWhole) {
    const int sixth = sectionQuery(6);
    inject([&](torvik::sim::Faults &f) { f.dropAfterQueries = sixth - 1; });
    DownloadReport report;
    const std::vector<CSite> sites = downloadSites({lines[0], lines[1]}, ui, report);

    ASSERT_EQ(sites.size(), 1u);
    // Five sections read: four plugs finished, the fifth was being filled.
    const auto kept = plugIds(sites[0]);
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), plugIds(clean).begin()));
    EXPECT_EQ(report.incompleteSites, std::vector<std::string>{siteNameOfLine(lines[0])});
    EXPECT_EQ(report.unreadSites, std::vector<std::string>{siteNameOfLine(lines[1])});
    EXPECT_TRUE(report.lineLost);
    EXPECT_FALSE(report.complete());
    EXPECT_TRUE(shown(quillet::formatResource(ids::kSiteIncomplete, siteNameOfLine(lines[0]), "4")));
    EXPECT_TRUE(shown(quillet::formatResource(ids::kSiteNotRead, siteNameOfLine(lines[1]))));
}

TEST_F(FaultyLine, ALateReplyIsNeverTakenForTheNextQuerysAnswer) {
    ASSERT_GT(sectionQuery(3), 0);
    const int first = TorvikGetSiteNrSect0Test0(slotOfLine(lines.front()));
    ASSERT_GT(first, 0);
    SectionRecord expectedNext{};
    SectionRecord firstRecord{};
    ASSERT_EQ(TorvikGetSect(&firstRecord, first, clean.standard.flags), 0);
    ASSERT_EQ(TorvikGetSect(&expectedNext, firstRecord.next, clean.standard.flags), 0);

    // The reply to the first section comes after its query gave up.
    inject([&](torvik::sim::Faults &f) {
        f.lateReplyTo = 1;
        f.lateByMs = 3500;
    });
    SectionRecord record{};
    EXPECT_NE(TorvikGetSect(&record, first, clean.standard.flags), 0);
    EXPECT_EQ(TorvlinkGetLastQueryFault(), TORVLINK_FAULT_LINE);
    SectionRecord next{};
    ASSERT_EQ(TorvikGetSect(&next, firstRecord.next, clean.standard.flags), 0);
    EXPECT_EQ(std::memcmp(&next, &expectedNext, sizeof next), 0) << "the late reply was read as this one's";
}

struct LineFault {
    const char *name;
    void (*inject)(torvik::sim::Faults &, int query);
};

class RepeatedQuery : public FaultyLine, public ::testing::WithParamInterface<LineFault> {};

TEST_P(RepeatedQuery, ASectionSpoiltByTheLineIsAskedAgainAndTheSiteComesWhole) {
    const int third = sectionQuery(3);
    inject([&](torvik::sim::Faults &f) { GetParam().inject(f, third); });
    DownloadReport report;
    const std::vector<CSite> sites = downloadSites({lines[0]}, ui, report);
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(plugIds(sites[0]), plugIds(clean));
    EXPECT_TRUE(report.complete());
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RepeatedQuery,
    ::testing::Values(LineFault{"NoiseBeforeTheReply", [](torvik::sim::Faults &f, int q) { f.noiseBeforeReplyTo = q; }},
                      LineFault{"TruncatedReply", [](torvik::sim::Faults &f, int q) { f.truncateReplyTo = q; }},
                      LineFault{"LateReply",
                                [](torvik::sim::Faults &f, int q) {
                                    f.lateReplyTo = q;
                                    f.lateByMs = 3500;
                                }}),
    [](const auto &param) { return std::string(param.param.name); });

TEST_F(FaultyLine, ATesterErrorReplyIsNeverAskedAgain) {
    ASSERT_GT(sectionQuery(1), 0);
    inject([](torvik::sim::Faults &f) {
        f.errorAfterCommand = "SECT?";
        f.errorAfter = {-222, "Data out of range"};
    });
    DownloadReport report;
    EXPECT_TRUE(downloadSites({lines[0]}, ui, report).empty());
    const auto queries = queriesReceived();
    EXPECT_EQ(std::count_if(queries.begin(), queries.end(), [](const auto &q) { return q.starts_with("SECT?"); }), 1);
    EXPECT_EQ(report.unreadSites, std::vector<std::string>{siteNameOfLine(lines[0])});
    EXPECT_FALSE(report.lineLost);
}

TEST_F(FaultyLine, CancelWhileTheTesterIsMuteKeepsWhatWasReadAndAsksNothingMore) {
    const int fifth = sectionQuery(5);
    inject([&](torvik::sim::Faults &f) { f.muteAfterQueries = fifth - 1; });
    ui.steps = 0;
    ui.cancelAfterSteps = 5;  // pressed while the fifth section is awaited
    DownloadReport report;
    const std::vector<CSite> sites = downloadSites({lines[0], lines[1]}, ui, report);

    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].plugs.size(), 3u);  // four sections read, the fourth plug was being filled
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(report.incompleteSites, std::vector<std::string>{siteNameOfLine(lines[0])});
    EXPECT_EQ(report.unreadSites, std::vector<std::string>{siteNameOfLine(lines[1])});
    const auto queries = queriesReceived();
    EXPECT_EQ(std::count_if(queries.begin(), queries.end(), [](const auto &q) { return q.starts_with("SECT?"); }), 5)
        << "the mute query is not sent again after the Cancel";
    const std::string secondSite = "CFGSITE_SUM? " + std::to_string(slotOfLine(lines[1]));
    EXPECT_EQ(std::count(queries.begin(), queries.end(), secondSite), 0) << "the second site is not asked for";
    EXPECT_FALSE(shown(quillet::formatResource(ids::kNoAutotestData, siteNameOfLine(lines[1]))));
}

}  // namespace
