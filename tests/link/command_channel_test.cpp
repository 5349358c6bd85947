// The command channel against the simulated tester: the error query and its
// message box, reply lines, and text and binary blocks.
#include <cstring>

#include "sim_fixture.h"

namespace {

using torvik::sim::Command;
using torvik::sim::Reply;
using torvik::sim::TesterError;

TEST_F(SimulatedTester, TesterErrorIsShownWithTheLastCommandAndCleared) {
    startTester();
    openQuietly();
    torvik::sim::Faults faults;
    faults.errorAfterCommand = "MSG?";
    faults.errorAfter = {-113, "Undefined header"};
    tester().setFaults(faults);

    char text[81];
    EXPECT_EQ(TorvikGetMsg(text, 3), -113);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Torvlink");
    EXPECT_EQ(messages[0].text,
              "Message d'erreur de l'appareil:\n  Undefined header\n\n"
              "Derni\xE8re commande envoy\xE9" "e:\n  MSG? 3\n");
    EXPECT_EQ(messages[0].icon, TORVLINK_ICON_WARNING);
    EXPECT_TRUE(tester().waitReceived("ERR?\nREM\nCL_ERR\n", 1000)) << tester().received();
}

TEST_F(SimulatedTester, ErrorQueryWithoutMessageStillClearsTheError) {
    startTester();
    openQuietly();
    torvik::sim::Faults faults;
    faults.errorAfterCommand = "PP?";
    faults.errorAfter = {-222, "Data out of range"};
    tester().setFaults(faults);
    ASSERT_EQ(TorvikOutput("PP?"), 0);
    char line[80];
    ASSERT_EQ(TorvikInput(line, sizeof line, 3), 0);
    EXPECT_EQ(TorvikCheckError(0), -222);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(tester().waitReceived("ERR?\nREM\nCL_ERR\n", 1000));
}

TEST_F(SimulatedTester, NoErrorSendsNothingMore) {
    startTester();
    openQuietly();
    EXPECT_EQ(TorvikCheckError(1), 0);
    EXPECT_EQ(tester().received(), "ERR?\n");
    EXPECT_TRUE(messages.empty());
}

struct ErrorReplyCase {
    const char *wire;  // what the tester answers to ERR?
    int32_t result;
};

class ErrorReply : public SimulatedTester, public ::testing::WithParamInterface<ErrorReplyCase> {};

TEST_P(ErrorReply, IsReadByItsFields) {
    startTester();
    openQuietly();
    replyWith(tester(), "ERR?", Reply::raw(GetParam().wire));
    EXPECT_EQ(TorvikCheckError(0), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Forms, ErrorReply,
                         ::testing::Values(ErrorReplyCase{"0,No error\n", 0},
                                           ErrorReplyCase{"0\n", -1},        // no text
                                           ErrorReplyCase{"-350\n", -1},     // no text either
                                           ErrorReplyCase{",,-350,Queue overflow\n", -350},
                                           ErrorReplyCase{"\n-350,Queue overflow\n", -350},
                                           ErrorReplyCase{"\n\n", -103},     // no field twice
                                           ErrorReplyCase{"+7,Odd\n", 7}));

TEST_F(SimulatedTester, OverlongLineKeepsWhatFitsAndTheRestIsDiscarded) {
    startTester();
    openQuietly();
    replyWith(tester(), "LONG?", Reply::line(std::string(99, 'A')));
    ASSERT_EQ(TorvikOutput("LONG?"), 0);
    char line[80];
    ASSERT_EQ(TorvikInput(line, sizeof line, 3), 0);
    EXPECT_EQ(std::string(line), std::string(79, 'A'));
    // The next exchange starts clean: its input purge drops the rest.
    EXPECT_EQ(TorvikCheckError(1), 0);
}

TEST_F(SimulatedTester, LineReadTimesOutWithAPortFailure) {
    startTester();
    openQuietly();
    replyWith(tester(), "QUIET?", Reply::none());
    ASSERT_EQ(TorvikOutput("QUIET?"), 0);
    char line[80];
    EXPECT_EQ(TorvikInput(line, sizeof line, 1), -100);
    char text[120];
    TorvlinkGetTextError(-100, text, sizeof text, 1);
    EXPECT_EQ(std::string(text), std::string("System error:\n") + std::strerror(ETIMEDOUT));
}

TEST_F(SimulatedTester, TextBlockEndsWithTwoLineFeeds) {
    startTester();
    openQuietly();
    replyWith(tester(), "TXT?", Reply::textBlock("AB"));
    ASSERT_EQ(TorvikOutput("TXT?"), 0);
    char buffer[64];
    uint16_t length = 0;
    ASSERT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 3), 0);
    EXPECT_EQ(length, 4);
    EXPECT_STREQ(buffer, "AB\n\n");
}

TEST_F(SimulatedTester, TextBlockOfSeveralLines) {
    startTester();
    openQuietly();
    replyWith(tester(), "TXT?", Reply::textBlock("Cat 5e\nClass D"));
    ASSERT_EQ(TorvikOutput("TXT?"), 0);
    char buffer[64];
    uint16_t length = 0;
    ASSERT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 3), 0);
    EXPECT_STREQ(buffer, "Cat 5e\nClass D\n\n");
    EXPECT_EQ(length, 16);
}

TEST_F(SimulatedTester, BinaryBlockCarriesItsCrc) {
    startTester();
    openQuietly();
    replyWith(tester(), "BIN?", Reply::binary(std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)));
    ASSERT_EQ(TorvikOutput("BIN?"), 0);
    unsigned char buffer[64];
    uint16_t length = 0;
    ASSERT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 3), 0);
    ASSERT_EQ(length, 10);
    EXPECT_EQ(IsTorvikCrc16Ok(buffer, length), 1);
    EXPECT_EQ(std::memcmp(buffer, "\x01\x02\x03\x04\x05\x06\x07\x08", 8), 0);
    EXPECT_EQ(TorvikCheckError(1), 0);  // the terminator was read: the line is clean
}

TEST_F(SimulatedTester, BinaryBlockLongerThanTheCapacityStoresOnlyWhatFits) {
    startTester();
    openQuietly();
    replyWith(tester(), "BIN?", Reply::binary(std::string(40, 'D')));
    ASSERT_EQ(TorvikOutput("BIN?"), 0);
    unsigned char buffer[17];
    buffer[16] = 0xEE;  // the guard byte stays untouched
    uint16_t length = 0;
    ASSERT_EQ(TorvikBlocInput(buffer, 16, &length, 3), 0);
    EXPECT_EQ(length, 16);
    EXPECT_EQ(buffer[16], 0xEE);
    EXPECT_EQ(IsTorvikCrc16Ok(buffer, length), 0);
    EXPECT_EQ(TorvikCheckError(1), 0);  // the excess and terminator were read
}

TEST_F(SimulatedTester, BlockWithoutHashAsksForTheErrorAndFails) {
    startTester();
    openQuietly();
    replyWith(tester(), "BIN?", Reply::binary("12345678"));
    torvik::sim::Faults faults;
    faults.badBlockHeader = true;
    tester().setFaults(faults);
    ASSERT_EQ(TorvikOutput("BIN?"), 0);
    unsigned char buffer[64];
    uint16_t length = 0;
    EXPECT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 3), -104);
    EXPECT_TRUE(tester().waitReceived("BIN?\nERR?\n", 1000)) << tester().received();
}

TEST_F(SimulatedTester, BlockThatNeverComesTimesOut) {
    startTester();
    openQuietly();
    replyWith(tester(), "BIN?", Reply::none());
    ASSERT_EQ(TorvikOutput("BIN?"), 0);
    unsigned char buffer[64];
    uint16_t length = 0;
    EXPECT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 1), -100);
    EXPECT_EQ(length, 0);
}

TEST_F(SimulatedTester, TruncatedLengthDigitsTimeOut) {
    startTester();
    openQuietly();
    replyWith(tester(), "BIN?", Reply::raw("#30"));
    ASSERT_EQ(TorvikOutput("BIN?"), 0);
    unsigned char buffer[64];
    uint16_t length = 0;
    EXPECT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 1), -100);
}

}  // namespace
