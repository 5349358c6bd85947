#include <gtest/gtest.h>

#include "comm_params.h"
#include "updater_command.h"
#include "version_check.h"

namespace quillet {
namespace {

struct ParamsCase {
    const char *stored;
    CommParams expected;
};

class StoredParameters : public ::testing::TestWithParam<ParamsCase> {};

TEST_P(StoredParameters, EachFieldFromItsTextAndTheLastRepeated) {
    const CommParams p = parseCommParameters(GetParam().stored);
    const CommParams &e = GetParam().expected;
    EXPECT_EQ(p.port, e.port);
    EXPECT_EQ(p.rate, e.rate);
    EXPECT_EQ(p.parity, e.parity);
    EXPECT_EQ(p.dataBits, e.dataBits);
    EXPECT_EQ(p.stopBits, e.stopBits);
    EXPECT_EQ(p.handshake, e.handshake);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, StoredParameters,
    ::testing::Values(ParamsCase{"1,38400,n,8,1,n", {1, 38400, 'n', 8, 1, 'n'}},
                      ParamsCase{"3,9600,e,7,2,n", {3, 9600, 'e', 7, 2, 'n'}},
                      // One field fills all six, letters from its first character.
                      ParamsCase{"2", {2, 2, '2', 2, 2, '2'}},
                      ParamsCase{"4,19200", {4, 19200, '1', 19200, 19200, '1'}},
                      ParamsCase{"", {0, 0, '\0', 0, 0, '\0'}},
                      // Numbers stop at the first non-digit; an empty field is 0 / NUL.
                      ParamsCase{"2x,96k,,8,1,d", {2, 96, '\0', 8, 1, 'd'}},
                      // A trailing comma leaves the rest as the last field made it.
                      ParamsCase{"2,4800,", {2, 4800, '4', 4800, 4800, '4'}}));

TEST(StoredParameters, FormatJoinsTheSixFieldsWithCommas) {
    EXPECT_EQ(formatCommParameters(CommParams{}), "1,38400,n,8,1,n");
    EXPECT_EQ(formatCommParameters({2, 38400, 'n', 8, 1, 'n'}), "2,38400,n,8,1,n");
    EXPECT_EQ(formatCommParameters({3, 9600, 'e', 7, 2, 'd'}), "3,9600,e,7,2,d");
}

struct UpdaterCase {
    const char *stored;
    const char *option;
};

class UpdaterLine : public ::testing::TestWithParam<UpdaterCase> {};

TEST_P(UpdaterLine, ParityAfterStopBitsAndHardwareHandshakeAsH) {
    EXPECT_EQ(updaterLinkOption(parseCommParameters(GetParam().stored)), GetParam().option);
}

INSTANTIATE_TEST_SUITE_P(Parameters, UpdaterLine,
                         ::testing::Values(UpdaterCase{"1,38400,n,8,1,n", "-c1,38400,8,1,n,n"},
                                           UpdaterCase{"2,9600,e,7,2,d", "-c2,9600,7,2,e,h"},
                                           UpdaterCase{"4,19200,o,8,1,x", "-c4,19200,8,1,o,x"}));

TEST(UpdaterLine, WholeCommandLineOfTheDefaults) {
    EXPECT_EQ(updaterCommandLine(CommParams{}), "rivo -c1,38400,8,1,n,n");
}

struct VersionCase {
    const char *own;
    const char *releaseMinimum;
    const char *testMinimum;
    bool recentEnough;
};

class MinimumVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(MinimumVersion, ReleasesAgainstReleaseMinimumTestBuildsAgainstTestMinimum) {
    const auto &c = GetParam();
    EXPECT_EQ(isRecentEnough(c.own, c.releaseMinimum, c.testMinimum), c.recentEnough);
}

INSTANTIATE_TEST_SUITE_P(Tester, MinimumVersion,
                         ::testing::Values(VersionCase{"B.12", "A.00", "Z.00", true},
                                           VersionCase{"B.12", "C.00", "Z.00", false},
                                           VersionCase{"C.00", "C.00", "Z.00", true},
                                           VersionCase{"Z.03", "A.00", "Z.05", false},
                                           VersionCase{"Z.05", "A.00", "Z.05", true},
                                           VersionCase{"D.06", "A.08", "Z.21", true}));

}  // namespace
}  // namespace quillet
