// The command line, the wait before writes, the "RIVO?" answer, the
// acknowledgement rule and the matching of files to monitors.
#include <gtest/gtest.h>

#include "matching.h"
#include "monitor_list.h"
#include "recording_ui.h"
#include "run_options.h"
#include "transmission.h"

namespace rivo {
namespace {

struct OptionsCase {
    const char *line;
    std::optional<LinkSettings> link;
    std::optional<Language> language;
    int wait;
    bool trace, force, repeat, single;
};

LinkSettings linkOf(int port, int baudIndex, bool eight, bool twoStops, Parity parity, FlowControl flow)
{
    return {port, baudIndex, eight, twoStops, parity, flow, 5};
}

class CommandLine : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, ReadLeftToRight)
{
    const OptionsCase &c = GetParam();
    const RunOptions options = readCommandLine(c.line);
    EXPECT_EQ(options.link, c.link);
    EXPECT_EQ(options.language, c.language);
    EXPECT_EQ(options.waitCharacters, c.wait);
    EXPECT_EQ(options.trace, c.trace);
    EXPECT_EQ(options.force, c.force);
    EXPECT_EQ(options.repeat, c.repeat);
    EXPECT_EQ(options.singleFile, c.single);
}

const auto kNone = std::nullopt;
constexpr auto kEn = Language::English;
constexpr auto kFr = Language::French;

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(
        OptionsCase{"", kNone, kNone, 5, false, false, false, false},
        OptionsCase{"-c", kNone, kNone, 5, false, false, false, false},  // the link dialog stays
        OptionsCase{"-c1,38400,8,1,n,n", linkOf(1, 6, true, false, Parity::None, FlowControl::None), kNone, 5,
                    false, false, false, false},
        OptionsCase{"-lf -c2,19200,8,1,n,h", linkOf(2, 5, true, false, Parity::None, FlowControl::Hardware), kFr,
                    5, false, false, false, false},
        OptionsCase{"-LF -C2,19200,8,1,N,H", linkOf(2, 5, true, false, Parity::None, FlowControl::Hardware), kFr,
                    5, false, false, false, false},
        OptionsCase{"-c2,19200,8", kNone, kNone, 5, false, false, false, false},  // fields missing
        OptionsCase{"-c0,9600,8,1,n,n", kNone, kNone, 5, false, false, false, false},
        OptionsCase{"-c9,9600,8,1,n,n", kNone, kNone, 5, false, false, false, false},
        OptionsCase{"-c8,1234,7,2,e,s", linkOf(8, 4, false, true, Parity::Even, FlowControl::XonXoff), kNone, 5,
                    false, false, false, false},
        OptionsCase{"-c3,600,x,x,o,x", linkOf(3, 0, true, false, Parity::Odd, FlowControl::None), kNone, 5, false,
                    false, false, false},
        OptionsCase{"-c4,115200,8,1,i,n", linkOf(4, 8, true, false, Parity::Ignored, FlowControl::None), kNone, 5,
                    false, false, false, false},
        OptionsCase{"-w0", kNone, kNone, 0, false, false, false, false},
        OptionsCase{"-w12", kNone, kNone, 12, false, false, false, false},
        OptionsCase{"-w 300", kNone, kNone, 5, false, false, false, false},
        OptionsCase{"-le", kNone, kEn, 5, false, false, false, false},
        OptionsCase{"-lz", kNone, kEn, 5, false, false, false, false},
        OptionsCase{"-l", kNone, kNone, 5, false, false, false, false},
        OptionsCase{"-x -d -f -r -s", kNone, kNone, 5, true, true, true, true},
        OptionsCase{"-dfrs", kNone, kNone, 5, true, false, false, false}));  // one letter an option

struct WaitCase {
    int characters;
    int baudIndex;
    bool eight, twoStops;
    Parity parity;
    long milliseconds;
};

class WaitCharacters : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitCharacters, CharacterTimesTruncated)
{
    const WaitCase &c = GetParam();
    LinkSettings settings{1, c.baudIndex, c.eight, c.twoStops, c.parity, FlowControl::None, c.characters};
    EXPECT_EQ(waitBeforeWrite(settings).count(), c.milliseconds);
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitCharacters,
                         ::testing::Values(WaitCase{5, 4, true, false, Parity::None, 5},     // 9600 8N1
                                           WaitCase{0, 4, true, false, Parity::None, 0},
                                           WaitCase{12, 4, true, false, Parity::None, 12},
                                           WaitCase{5, 8, true, false, Parity::None, 0},     // 115200
                                           WaitCase{5, 0, false, true, Parity::Even, 91},    // 600 7E2
                                           WaitCase{5, 0, false, true, Parity::Ignored, 83}, // sent as none
                                           WaitCase{255, 1, true, false, Parity::Odd, 2337}));

struct AnswerCase {
    const char *answer;
    bool valid;
    std::vector<std::pair<long, std::string>> monitors;
};

class RivoAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(RivoAnswer, FlagsAndReferences)
{
    const MonitorList list = parseMonitorList(GetParam().answer);
    EXPECT_EQ(list.valid, GetParam().valid);
    std::vector<std::pair<long, std::string>> monitors;
    for (const Monitor &monitor : list.monitors) {
        EXPECT_EQ(monitor.index, static_cast<int>(monitors.size()));
        monitors.emplace_back(monitor.modeFlag, monitor.reference);
    }
    EXPECT_EQ(monitors, GetParam().monitors);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RivoAnswer,
    ::testing::Values(
        AnswerCase{" 0 , 12345678B01 ,1, 87654321A05\r\n", true, {{0, "12345678B01"}, {1, "87654321A05"}}},
        AnswerCase{"1,12345678b01\nignored", true, {{1, "12345678B01"}}},
        AnswerCase{"0,1234567B01", false, {{0, "1234567B01"}}},
        AnswerCase{"0,12345678B01,1,1234567B01", false, {{0, "12345678B01"}, {1, "1234567B01"}}},
        AnswerCase{"12345678B01", false, {}},
        AnswerCase{"", false, {}}));

struct AckCase {
    const char *answer;
    bool accepted;
};

class Acknowledgement : public ::testing::TestWithParam<AckCase> {};

TEST_P(Acknowledgement, OkWithoutNackInAnyCase)
{
    EXPECT_EQ(isAcknowledgement(GetParam().answer), GetParam().accepted) << GetParam().answer;
}

INSTANTIATE_TEST_SUITE_P(Answers, Acknowledgement,
                         ::testing::Values(AckCase{"OK\r\n", true}, AckCase{"ok", true}, AckCase{"oK", true},
                                           AckCase{"Record OK", true}, AckCase{"NACK OK", false},
                                           AckCase{"ok nack", false}, AckCase{"NACK", false}, AckCase{"KO", false},
                                           AckCase{"", false}));

struct MatchCase {
    const char *name;
    std::vector<std::string> monitors;
    std::vector<std::vector<std::string>> lists;
    bool force;
    std::vector<std::pair<int, int>> transfers;  // (file, monitor)
};

class Matching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matching, FirstCompatibleFilePerMonitor)
{
    const MatchCase &c = GetParam();
    std::vector<Monitor> monitors;
    for (const std::string &reference : c.monitors)
        monitors.push_back({static_cast<int>(monitors.size()), 0, reference});
    std::vector<FirmwareFile> files;
    for (const auto &list : c.lists)
        files.push_back({"F" + std::to_string(files.size()) + ".HEX", {}, 10, list});
    test::RecordingUi ui;
    const Dialogue dialogue(ui, Language::English, false);
    std::vector<std::pair<int, int>> transfers;
    for (const Transfer &transfer : matchFiles(monitors, files, c.force, dialogue))
        transfers.emplace_back(static_cast<int>(transfer.file - files.data()), transfer.monitor);
    EXPECT_EQ(transfers, c.transfers);
}

const std::string kA = "11111111A01", kB = "22222222B02", kC = "33333333C03";

INSTANTIATE_TEST_SUITE_P(
    Transfers, Matching,
    ::testing::Values(MatchCase{"BothMonitorsTakeTheFirstFile", {kA, kB}, {{kA, kB}, {kB, kA}}, false, {{0, 0}, {0, 1}}},
                      MatchCase{"ListOrderInsideAFile", {kB}, {{kC}, {kA, kB}}, false, {{1, 0}}},
                      MatchCase{"ForceByPosition", {kA, kB}, {{kC}, {kC}}, true, {{0, 0}, {1, 1}}},
                      MatchCase{"ForceAfterAnEarlierMatch", {kA, kB}, {{kB}, {kC}}, true, {{0, 0}, {0, 1}}},
                      MatchCase{"NothingCompatible", {kA}, {{kB}, {kC}}, false, {}}),
    [](const auto &test) { return test.param.name; });

TEST(Matching, TraceShowsEveryComparison)
{
    std::vector<Monitor> monitors{{0, 0, kA}};
    std::vector<FirmwareFile> files{{"F.HEX", {}, 10, {kB, kA}}};
    test::RecordingUi ui;
    const Dialogue dialogue(ui, Language::English, true);
    ASSERT_EQ(matchFiles(monitors, files, false, dialogue).size(), 1u);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text,
              "Compare references:\nInstrument Monitor:\t\"11111111A01\"\nCompatibles Monitors:\t \"22222222B02\"");
}

}  // namespace
}  // namespace rivo
