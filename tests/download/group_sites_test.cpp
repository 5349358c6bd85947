// Grouping downloaded sites into a file's sites: new sites appended, sites
// of the same name merged plug by plug, the newer test winning.
#include <gtest/gtest.h>

#include "autotest_transfer.h"
#include "quillet_strings.h"
#include "scripted_interaction.h"

namespace {

using quillet::testing::ScriptedInteraction;
using namespace quillet::model;

CPrise plug(const std::string &id, std::uint32_t testTime, std::int32_t resultType = 5) {
    CPrise p;
    p.plugId = id;
    p.testTime = testTime;
    p.resultType = resultType;
    return p;
}

CSite site(const std::string &name, std::vector<CPrise> plugs, const std::string &comment = "") {
    CSite s;
    s.name = name;
    s.plugs = std::move(plugs);
    s.comment = comment;
    return s;
}

TEST(GroupSites, NewSiteNamesAreAppendedWithoutAsking) {
    std::vector<CSite> file{site("ROOM1", {plug("A1", 100)})};
    ScriptedInteraction ui;
    groupSites(file, {site("ROOM2", {plug("B1", 200)}), site("room1", {plug("C1", 300)})}, ui);
    ASSERT_EQ(file.size(), 3u);  // names compare case-sensitively
    EXPECT_EQ(file[1].name, "ROOM2");
    EXPECT_EQ(file[2].name, "room1");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GroupSites, SameNameMergesPlugsByDateOnYes) {
    std::vector<CSite> file{site("ROOM1", {plug("A1", 100, 2), plug("A2", 500, 2), plug("A3", 100)}, "from the file")};
    const std::vector<CSite> downloaded{
        site("ROOM1", {plug("A1", 200, 5), plug("A2", 400, 5), plug("A4", 300), plug("A3", 100, 4)}, "new")};
    ScriptedInteraction ui;
    groupSites(file, downloaded, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, quillet::formatResource(quillet::ids::kReplaceSiteData, "ROOM1"));
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
    ASSERT_EQ(file.size(), 1u);
    const auto &plugs = file[0].plugs;
    ASSERT_EQ(plugs.size(), 4u);
    EXPECT_EQ(plugs[0].resultType, 5);  // newer download replaces, in place
    EXPECT_EQ(plugs[1].resultType, 2);  // the file's test is more recent: kept
    EXPECT_EQ(plugs[2].resultType, 4);  // same date: the download replaces
    EXPECT_EQ(plugs[3].plugId, "A4");   // new plug appended
    EXPECT_EQ(file[0].comment, "from the file");
}

TEST(GroupSites, SameNameStaysAsItWasOnNo) {
    std::vector<CSite> file{site("ROOM1", {plug("A1", 100, 2)})};
    ScriptedInteraction ui;
    ui.answers.push_back(Answer::No);
    groupSites(file, {site("ROOM1", {plug("A1", 900, 5), plug("A9", 900)})}, ui);
    ASSERT_EQ(file[0].plugs.size(), 1u);
    EXPECT_EQ(file[0].plugs[0].resultType, 2);
}

}  // namespace
