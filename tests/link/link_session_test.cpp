// Opening and closing the link against the simulated tester: the bytes on
// the wire, the state the link reports, and the refusals.
#include "sim_fixture.h"

namespace {

const std::string kOpeningBytes =
    "REM\n\x14\n"
    "REM\nCL_ERR\n"
    "REM\nCL_ERR\n"
    "REM\nPP?\nERR?\n"
    "REM\n*IDN?\nERR?\n"
    "REM\nREM\n"
    "REM\nCL_ERR\n";
const std::string kClosingBytes = "REM\nCL_ERR\nREM\nLOC\n";

TEST_F(SimulatedTester, OpeningAndClosingSendTheirSequences) {
    startTester();
    ASSERT_EQ(openLink(), 0);
    EXPECT_TRUE(tester().waitReceived(kOpeningTail, 1000));
    EXPECT_EQ(tester().received(), kOpeningBytes);
    EXPECT_EQ(TorvikCommIsOpen(), 1);
    EXPECT_STREQ(TorvikCommGetPort(), "COM1");
    EXPECT_EQ(TorvikCommGetRate(), 38400);
    EXPECT_TRUE(tester().isRemote());

    tester().clearTrace();
    EXPECT_EQ(TorvikCommClose(), 0);
    EXPECT_EQ(tester().received(), kClosingBytes);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    EXPECT_STREQ(TorvikCommGetPort(), "");
    EXPECT_EQ(TorvikCommGetRate(), 0);
    EXPECT_FALSE(tester().isRemote());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SimulatedTester, OpeningAnOpenLinkKeepsTheFirstPortAndRate) {
    startTester();
    openQuietly();
    EXPECT_EQ(TorvikCommOpen(2, 9600, 'e', 7, 2, 'n'), 0);
    EXPECT_STREQ(TorvikCommGetPort(), "COM1");
    EXPECT_EQ(TorvikCommGetRate(), 38400);
    EXPECT_EQ(tester().received(), "");
}

TEST_F(SimulatedTester, ClosingAClosedLinkSucceedsSilently) {
    startTester();
    EXPECT_EQ(TorvikCommClose(), 0);
    EXPECT_EQ(tester().received(), "");
}

TEST_F(SimulatedTester, EveryRateOfTheListOpensAPseudoTerminal) {
    startTester();
    for (int32_t rate : {2400, 56000, 115200, 256000}) {
        ASSERT_EQ(openLink(rate), 0) << rate;
        EXPECT_EQ(TorvikCommGetRate(), rate);
        ASSERT_EQ(TorvikCommClose(), 0);
    }
}

class PortRefusal : public SimulatedTester, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PortRefusal, PortOutOfRangeTouchesNoDevice) {
    startTester();
    TorvlinkSetPortDevice(GetParam() == 0 ? 1 : 4, tester().devicePath().c_str());
    EXPECT_EQ(TorvikCommOpen(GetParam(), 38400, 'n', 8, 1, 'n'), -100);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    EXPECT_EQ(tester().received(), "");
    TorvlinkSetPortDevice(4, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortRefusal, ::testing::Values(0, 5, -1));

TEST_F(SimulatedTester, XonXoffIsRefusedAndLeavesThePortFree) {
    startTester();
    EXPECT_EQ(openLink(38400, 'x'), -101);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    EXPECT_EQ(tester().received(), "");
    EXPECT_EQ(openLink(38400, 'n'), 0);
}

TEST_F(SimulatedTester, RateOutsideTheListIsRefusedAndLeavesThePortFree) {
    startTester();
    EXPECT_EQ(openLink(14400), -100);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    char text[120];
    TorvlinkGetTextError(-100, text, sizeof text, 1);
    EXPECT_EQ(std::string(text).rfind("System error:\n", 0), 0u);
    EXPECT_GT(std::string(text).size(), std::string("System error:\n").size());
    EXPECT_EQ(openLink(38400), 0);
}

TEST_F(SimulatedTester, MissingDeviceIsAPortFailure) {
    startTester();
    TorvlinkSetPortDevice(1, "/nonexistent/tty");
    EXPECT_EQ(openLink(), -100);
    char text[120];
    TorvlinkGetTextError(-100, text, sizeof text, 1);
    EXPECT_EQ(std::string(text), "System error:\nNo such file or directory");
}

TEST_F(SimulatedTester, UnknownProductIsNotIdentifiedAndTheTesterIsReleased) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    unit.productCode = 45000;
    startTester(unit);
    EXPECT_EQ(openLink(), -102);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    const std::string wire = tester().received();
    ASSERT_GE(wire.size(), kClosingBytes.size());
    EXPECT_EQ(wire.substr(wire.size() - kClosingBytes.size()), kClosingBytes);
    EXPECT_FALSE(tester().isRemote());
}

TEST_F(SimulatedTester, BothProductCodesAreAccepted) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    unit.productCode = 45136;
    startTester(unit);
    EXPECT_EQ(openLink(), 0);
}

TEST_F(SimulatedTester, SilentTesterIsNotIdentified) {
    startTester();
    torvik::sim::Faults faults;
    faults.silent = true;
    tester().setFaults(faults);
    EXPECT_EQ(openLink(), -102);
    EXPECT_EQ(TorvikCommIsOpen(), 0);
}

TEST_F(SimulatedTester, ShortIdentificationIsNotIdentified) {
    startTester();
    tester().addCommand("*IDN?", [](const torvik::sim::Command &, torvik::sim::TesterError &) {
        return torvik::sim::Reply::line("OLBRIN,TORVIK,T0412345");
    });
    EXPECT_EQ(openLink(), -102);
}

TEST_F(SimulatedTester, ClosedLinkRefusesEveryExchange) {
    startTester();
    char buffer[80];
    uint16_t length = 0;
    int32_t product = 7;
    EXPECT_EQ(TorvikOutput("PP?"), -3);
    EXPECT_EQ(TorvikInput(buffer, sizeof buffer, 1), -3);
    EXPECT_EQ(TorvikBlocInput(buffer, sizeof buffer, &length, 1), -3);
    EXPECT_EQ(TorvikCheckError(1), -3);
    EXPECT_EQ(TorvikGetPP(&product), -3);
    EXPECT_EQ(product, 0);
    EXPECT_EQ(TorvikGetMsg(buffer, 1), -3);
    EXPECT_EQ(tester().received(), "");
}

TEST_F(SimulatedTester, DroppedLineFailsTheQueryAndClosesCleanly) {
    startTester();
    openQuietly();
    torvik::sim::Faults faults;
    faults.dropAfterCommand = "MSG?";
    tester().setFaults(faults);
    char text[81];
    EXPECT_EQ(TorvikGetMsg(text, 1), -100);
    TorvikCommClose();
    EXPECT_EQ(TorvikCommIsOpen(), 0);
    EXPECT_STREQ(TorvikCommGetPort(), "");
}

TEST_F(SimulatedTester, BusyCursorCoversTheOpening) {
    startTester();
    static std::vector<int32_t> changes;
    changes.clear();
    TorvlinkSetBusyHandler([](void *, int32_t on) { changes.push_back(on); }, nullptr);
    ASSERT_EQ(openLink(), 0);
    TorvlinkSetBusyHandler(nullptr, nullptr);
    EXPECT_EQ(changes, (std::vector<int32_t>{1, 0}));
}

}  // namespace
