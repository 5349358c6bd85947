// The tester's identity and small text items, at firmware revisions inside
// and outside the gates that shape them.
#include <cstring>

#include "sim_fixture.h"

namespace {

using torvik::sim::Command;
using torvik::sim::Reply;
using torvik::sim::TesterError;

void replyWith(torvik::sim::Simulator &tester, const std::string &name, const std::string &line) {
    ::replyWith(tester, name, Reply::line(line));
}

TEST_F(SimulatedTester, IdentityProductAndUserOfTheDemoUnit) {
    startTester();
    openQuietly();
    char maker[29], model[29], serial[20], revision[5];
    ASSERT_EQ(TorvikGetId(maker, model, serial, revision), 0);
    EXPECT_STREQ(maker, "OLBRIN");
    EXPECT_STREQ(model, "TORVIK");
    EXPECT_STREQ(serial, "T0412345");
    EXPECT_STREQ(revision, "D.05");
    int32_t product = 0;
    ASSERT_EQ(TorvikGetPP(&product), 0);
    EXPECT_EQ(product, 45113);
    char user[17], company[17];
    ASSERT_EQ(TorvikGetUserId(user, company), 0);
    EXPECT_STREQ(user, "J SMITH");
    EXPECT_STREQ(company, "NORDKABEL");
    EXPECT_EQ(DoesTorvikSupportAutoGraph(), 1);
    EXPECT_EQ(tester().received(), "REM\n*IDN?\nERR?\nREM\nPP?\nERR?\nREM\nUSER_ID?\nERR?\n");
}

TEST_F(SimulatedTester, UnnamedUnitIdentifiesAsTheMaker) {
    torvik::sim::Unit unit = unitAtRevision("C.05");
    unit.identity.maker = unit.identity.model = unit.identity.serial = "";
    startTester(unit);
    openQuietly();
    char maker[29], model[29], serial[20], revision[5];
    ASSERT_EQ(TorvikGetId(maker, model, serial, revision), 0);
    EXPECT_STREQ(maker, "OLBRIN");
    EXPECT_STREQ(model, "TORVIK");
    EXPECT_STREQ(serial, "0");
    EXPECT_STREQ(revision, "C.05");
}

TEST_F(SimulatedTester, IdentityFieldsAreCutToTheirSizesAndConverted) {
    startTester();
    openQuietly();
    replyWith(tester(), "*IDN?", std::string(40, 'M') + ",MOD\x82LE," + std::string(25, '9') + ",D.05XYZ");
    char maker[29], model[29], serial[20], revision[5];
    ASSERT_EQ(TorvikGetId(maker, model, serial, revision), 0);
    EXPECT_EQ(std::string(maker), std::string(28, 'M'));
    EXPECT_STREQ(model, "MOD\xE9LE");
    EXPECT_EQ(std::string(serial), std::string(19, '9'));
    EXPECT_STREQ(revision, "D.05");
}

TEST_F(SimulatedTester, IdentityWithThreeFieldsIsShort) {
    startTester();
    openQuietly();
    replyWith(tester(), "*IDN?", "OLBRIN,TORVIK,T0412345");
    char maker[29], model[29], serial[20], revision[5];
    EXPECT_EQ(TorvikGetId(maker, model, serial, revision), -105);
    EXPECT_STREQ(maker, "OLBRIN");
    EXPECT_STREQ(revision, "");
}

struct UserCase {
    const char *reply;
    const char *first;
    const char *second;
};

class UserReply : public SimulatedTester, public ::testing::WithParamInterface<UserCase> {};

TEST_P(UserReply, IsSplitIntoUserAndCompany) {
    startTester();
    openQuietly();
    replyWith(tester(), "USER_ID?", GetParam().reply);
    char first[17] = "x", second[17] = "x";
    ASSERT_EQ(TorvikGetUserId(first, second), 0);
    EXPECT_STREQ(first, GetParam().first);
    EXPECT_STREQ(second, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Forms, UserReply,
                         ::testing::Values(UserCase{"   ,NORDKABEL", "", ""}, UserCase{",NORDKABEL", "", ""},
                                           UserCase{"    ", "", ""}, UserCase{"J SMITH", "J SMITH", ""},
                                           UserCase{"ABCDEFGHIJKLMNOPQRST,UVWXYZ0123456789AB",
                                                    "ABCDEFGHIJKLMNOP", "UVWXYZ0123456789"},
                                           UserCase{"REN\x82,S\x82RL", "REN\xE9", "S\xE9RL"}));

TEST_F(SimulatedTester, MinimumVersionAsTheTesterStatesIt) {
    startTester();
    openQuietly();
    char minimum[5], minimumZ[5];
    ASSERT_EQ(TorvikGetQuilletMinVer(minimum, minimumZ), 0);
    EXPECT_STREQ(minimum, "A.08");
    EXPECT_STREQ(minimumZ, "Z.21");
}

struct FallbackCase {
    const char *revision;
    const char *minimum;
    const char *minimumZ;
};

class MinimumVersionFallback : public SimulatedTester, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(MinimumVersionFallback, SilentFirmwareAnswersFromItsRevision) {
    torvik::sim::Unit unit = unitAtRevision(GetParam().revision);
    unit.knowsMinVer = false;
    startTester(unit);
    openQuietly();
    char minimum[5], minimumZ[5];
    ASSERT_EQ(TorvikGetQuilletMinVer(minimum, minimumZ), 0);
    EXPECT_STREQ(minimum, GetParam().minimum);
    EXPECT_STREQ(minimumZ, GetParam().minimumZ);
    EXPECT_TRUE(tester().waitReceived("REM\nQUILLET_MINVER?\nREM\nCL_ERR\n", 1000)) << tester().received();
    EXPECT_EQ(tester().received(), "REM\nQUILLET_MINVER?\nREM\nCL_ERR\n");  // CL_ERR once
}

INSTANTIATE_TEST_SUITE_P(Revisions, MinimumVersionFallback,
                         ::testing::Values(FallbackCase{"B.08", "A.08", "Z.21"},
                                           FallbackCase{"Z.40", "A.08", "Z.21"},
                                           FallbackCase{"B.07", "A.00", "Z.00"},
                                           FallbackCase{"A.50", "A.00", "Z.00"}));

TEST_F(SimulatedTester, MinimumVersionWithOneField) {
    startTester();
    openQuietly();
    replyWith(tester(), "QUILLET_MINVER?", "B.02");
    char minimum[5] = "x", minimumZ[5] = "x";
    ASSERT_EQ(TorvikGetQuilletMinVer(minimum, minimumZ), 0);
    EXPECT_STREQ(minimum, "B.02");
    EXPECT_STREQ(minimumZ, "");
}

struct UncertaintyCase {
    const char *revision;
    bool asked;
    float u[6];
};

class Uncertainties : public SimulatedTester, public ::testing::WithParamInterface<UncertaintyCase> {};

TEST_P(Uncertainties, FollowTheFormOfTheRevision) {
    torvik::sim::Unit unit = unitAtRevision(GetParam().revision);
    unit.uncerts = {35, 20, 8, 3, 4, 25};
    startTester(unit);
    openQuietly();
    float u[6];
    ASSERT_EQ(TorvikGetUncertainties(&u[0], &u[1], &u[2], &u[3], &u[4], &u[5]), 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(u[i], GetParam().u[i]) << "u" << i + 1;
    EXPECT_EQ(tester().received(), GetParam().asked ? "REM\nUNCERTS?\nERR?\n" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Revisions, Uncertainties,
    ::testing::Values(UncertaintyCase{"D.05", true, {35 * 0.1f, 20.0f, 8.0f, 3 * 0.1f, 4.0f, 25 / 100.0f}},
                      UncertaintyCase{"B.05", true, {35 * 0.1f, 20.0f, 8.0f, 3 * 0.1f, 4.0f, 25 / 10.0f}},
                      UncertaintyCase{"A.50", true, {35 * 0.1f, 20.0f, 8.0f, 3 * 0.1f, 5.0f, 0.2f}},
                      UncertaintyCase{"Z.13", true, {35 * 0.1f, 20.0f, 8.0f, 3 * 0.1f, 5.0f, 0.2f}},
                      UncertaintyCase{"Z.12", false, {4.0f, 25.0f, 10.0f, 0.2f, 5.0f, 0.2f}},
                      UncertaintyCase{"M.02", false, {4.0f, 25.0f, 10.0f, 0.2f, 5.0f, 0.2f}}));

TEST_F(SimulatedTester, UncertaintyReplyMissingAFieldKeepsWhatWasRead) {
    startTester();
    openQuietly();
    replyWith(tester(), "UNCERTS?", "35,20,8");
    float u[6];
    EXPECT_EQ(TorvikGetUncertainties(&u[0], &u[1], &u[2], &u[3], &u[4], &u[5]), -1);
    EXPECT_EQ(u[0], 35 * 0.1f);
    EXPECT_EQ(u[2], 8.0f);
    EXPECT_EQ(u[3], 0.2f);
}

TEST_F(SimulatedTester, MessagesAreConvertedAndTheArgumentIsSixteenBits) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    unit.messages[65535] = "Cat 6 100\xDB S\x82rie";
    startTester(unit);
    openQuietly();
    char text[81];
    ASSERT_EQ(TorvikGetMsg(text, -1), 0);
    EXPECT_STREQ(text, "Cat 6 100\xDB S\xE9rie");
    EXPECT_EQ(tester().received(), "REM\nMSG? 65535\nERR?\n");
    ASSERT_EQ(TorvikGetMsg(text, 4999), 0);
    EXPECT_STREQ(text, "");
}

}  // namespace
