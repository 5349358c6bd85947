// Pieces of the link that need no tester: CRC, revision ranges, reply
// fields, character sets and the texts of the result codes.
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "fields.h"
#include "link_state.h"
#include "oem_ansi.h"
#include "revision_gate.h"
#include "torvlink.h"

using namespace torvlink;

TEST(Crc16, CheckValueIsSentMostSignificantByteFirst) {
    unsigned char block[11] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0x4B, 0x37};
    EXPECT_EQ(IsTorvikCrc16Ok(block, 11), 1);
    std::swap(block[9], block[10]);
    EXPECT_EQ(IsTorvikCrc16Ok(block, 11), 0);
}

TEST(Crc16, SetWritesTheCrcAfterTheDataAndReturnsItsBytesSwapped) {
    unsigned char block[11] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0, 0};
    EXPECT_EQ(TorvikSetCrc16(block, 9), 0x374B);
    EXPECT_EQ(block[9], 0x4B);
    EXPECT_EQ(block[10], 0x37);
    unsigned char empty[2] = {};
    EXPECT_EQ(TorvikSetCrc16(empty, 0), 0xFFFF);  // no data: the initial value
    EXPECT_EQ(IsTorvikCrc16Ok(empty, 2), 1);
}

TEST(Crc16, ShortBlocksAreNeverValid) {
    const unsigned char one[1] = {0xFF};
    EXPECT_EQ(IsTorvikCrc16Ok(one, 1), 0);
    EXPECT_EQ(IsTorvikCrc16Ok(one, 0), 0);
    EXPECT_EQ(IsTorvikCrc16Ok(nullptr, 5), 0);
}

struct RangeCase {
    const char *revision;
    RevisionRange range;
    bool inRange;
};

class RevisionRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RevisionRangeTest, ComparesOrdinaryAndZSeriesBounds) {
    const RangeCase &c = GetParam();
    EXPECT_EQ(isRevisionInRange(c.revision, c.range), c.inRange) << c.revision;
}

INSTANTIATE_TEST_SUITE_P(
    Gates, RevisionRangeTest,
    ::testing::Values(RangeCase{"B.07", gate::kHundredthsAndBytesAsSent, false},
                      RangeCase{"B.07", gate::kSixValueUncertainties, true},
                      RangeCase{"B.08", gate::kHundredthsAndBytesAsSent, true},
                      RangeCase{"Y.99", gate::kHundredthsAndBytesAsSent, true},
                      RangeCase{"Z.37", gate::kHundredthsAndBytesAsSent, false},
                      RangeCase{"Z.38", gate::kHundredthsAndBytesAsSent, true},
                      RangeCase{"Z.99", gate::kHundredthsAndBytesAsSent, true},
                      RangeCase{"b.08", gate::kHundredthsAndBytesAsSent, true},
                      RangeCase{"M.10", gate::kUncertaintiesAsked, false},
                      RangeCase{"P.01", gate::kUncertaintiesAsked, false},
                      RangeCase{"AK12", gate::kUncertaintiesAsked, false},
                      RangeCase{"AZ00", gate::kUncertaintiesAsked, false},
                      RangeCase{"", gate::kUncertaintiesAsked, false},
                      RangeCase{"D.02", gate::kAutoGraphs, false},
                      RangeCase{"D.03", gate::kAutoGraphs, true},
                      RangeCase{"Z.47", gate::kAutoGraphs, false}));

TEST(RevisionRange, NoRangeHoldsBeforeAnyOpening) {
    ASSERT_TRUE(link().revision.empty());
    EXPECT_FALSE(isRevisionInRange(gate::kUncertaintiesAsked));
    EXPECT_EQ(DoesTorvikSupportAutoGraph(), 0);
    EXPECT_EQ(TorvikGetGraphFirstNbd(), 104);
    EXPECT_EQ(TorvikGetGraphSteNbd(), 147);
    EXPECT_EQ(TorvikGetAutoGraphFirstNbd(), 0);
    EXPECT_EQ(TorvikGetAutoGraphSteNbd(), 0);
}

TEST(Fields, EmptyFieldsAreSkipped) {
    FieldSplitter fields("A,,B,C\n");
    EXPECT_EQ(fields.next(","), "A");
    EXPECT_EQ(fields.next(","), "B");
    EXPECT_EQ(fields.next("\n"), "C");
    EXPECT_FALSE(fields.next(","));
}

TEST(Fields, NumbersTakeTheirLeadingDigits) {
    EXPECT_EQ(leadingInt("45113\n"), 45113);
    EXPECT_EQ(leadingInt(" -113,x"), -113);
    EXPECT_EQ(leadingInt("12ab"), 12);
    EXPECT_EQ(leadingInt("ab"), 0);
    EXPECT_EQ(leadingInt(""), 0);
}

TEST(OemToAnsi, ConvertsCodePage850AndKeepsTheTesterSpecials) {
    char text[] = "\x82t\x82 \x9C \xE1 \x1A\x1B\x1D\xDB \xB3";
    oemToAnsi(text, sizeof text);
    EXPECT_STREQ(text, "\xE9t\xE9 \xA3 \xDF \x1A\x1B\x1D\xDB |");
}

TEST(OemToAnsi, StopsAtTheFieldSize) {
    char text[] = "\x82\x82\x82";
    oemToAnsi(text, 2);
    EXPECT_STREQ(text, "\xE9\xE9\x82");
}

TEST(AnsiToUtf8, ConvertsLatinLettersAndTheEuro) {
    EXPECT_EQ(ansiToUtf8("d\xE9j\xE0 \x80"), "d\xC3\xA9j\xC3\xA0 \xE2\x82\xAC");
}

struct TextCase {
    int32_t code;
    int32_t english;
    const char *text;
};

class TextErrorTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextErrorTest, GivesTheTextOfTheCode) {
    char buffer[80];
    ASSERT_EQ(TorvlinkGetTextError(GetParam().code, buffer, sizeof buffer, GetParam().english), 0);
    EXPECT_STREQ(buffer, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TextErrorTest,
    ::testing::Values(TextCase{-104, 1, "Wrong bloc header of a binary TORVIK response"},
                      TextCase{-104, 0, "En-t\xEAte erron\xE9 dans la r\xE9ponse binaire de TORVIK"},
                      TextCase{7, 1, "Unknown error"}, TextCase{-113, 0, "Erreur inconnue"},
                      TextCase{0, 1, "No error"}, TextCase{-2, 1, "Communication: Device already open"},
                      TextCase{-102, 1, "Retry at lower rate"}, TextCase{-105, 0, "TORVIK non identifi\xE9"}));

TEST(TextError, PortFailureAddsTheSystemMessage) {
    portFailure(ENOENT);
    char buffer[80];
    ASSERT_EQ(TorvlinkGetTextError(-100, buffer, sizeof buffer, 1), 0);
    EXPECT_EQ(std::string(buffer), std::string("System error:\n") + std::strerror(ENOENT));
}

TEST(TextError, IsCutToTheBuffer) {
    char buffer[6];
    ASSERT_EQ(TorvlinkGetTextError(-104, buffer, sizeof buffer, 1), 0);
    EXPECT_STREQ(buffer, "Wrong");
}

TEST(Version, NamesTheLibraryFileAndRevision) {
    char name[32], revision[8], tiny[4];
    EXPECT_STREQ(TorvlinkGetDllName(name, sizeof name), "libtorvlink.so");
    EXPECT_STREQ(TorvlinkGetDllRev(revision, sizeof revision), "D.05");
    EXPECT_STREQ(TorvlinkGetDllName(tiny, sizeof tiny), "lib");
}

TEST(PortDevice, ChosenPathThenEnvironmentThenStandardPort) {
    char path[64];
    unsetenv("TORVIK_COM3");
    TorvlinkSetPortDevice(3, nullptr);
    TorvlinkGetPortDevice(3, path, sizeof path);
    EXPECT_STREQ(path, "/dev/ttyS2");
    setenv("TORVIK_COM3", "/dev/pts/7", 1);
    TorvlinkGetPortDevice(3, path, sizeof path);
    EXPECT_STREQ(path, "/dev/pts/7");
    TorvlinkSetPortDevice(3, "/dev/ttyUSB0");
    TorvlinkGetPortDevice(3, path, sizeof path);
    EXPECT_STREQ(path, "/dev/ttyUSB0");
    EXPECT_EQ(TorvlinkSetPortDevice(5, "/dev/null"), -100);
    TorvlinkSetPortDevice(3, nullptr);
    unsetenv("TORVIK_COM3");
}
