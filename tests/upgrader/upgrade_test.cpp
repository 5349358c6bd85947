// The whole procedure against the simulated monitor on a pseudo-terminal:
// identification, matching, confirmation, every record acknowledged, the
// end record and EXITRIVO, and the boxes of every failure.
#include <gtest/gtest.h>

#include <cstdlib>

#include "firmware_dir.h"
#include "monitor.h"
#include "recording_ui.h"
#include "upgrade_procedure.h"

namespace rivo {
namespace {

using torvik::sim::MonitorOptions;
using torvik::sim::MonitorSimulator;

const std::string kReference = "01234567A12";
const std::string kCable =
    ".\n\nVerify the link cable and the communication parameters\nor close other applications using this port.";
const std::string kDone = "Upgrading has been successfully done for the files:\n . \"A.HEX\"";

struct UpgradeRun {
    UpgradeOutcome outcome;
    test::RecordingUi ui;
    std::vector<std::string> accepted;
    std::vector<std::string> received;
};

// Runs the upgrade of the files of `dir` against a monitor with `options`
// on COM1, at 115200 baud without wait characters unless `extra` says.
UpgradeRun upgrade(const test::FirmwareDir &dir, const std::vector<std::string> &files, MonitorOptions options,
            const std::string &commandLine = "-c1,115200,8,1,n,n -w0")
{
    MonitorSimulator monitor(std::move(options));
    std::string error;
    EXPECT_TRUE(monitor.start(&error)) << error;
    setenv("TORVIK_COM1", monitor.devicePath().c_str(), 1);
    UpgradeRequest request;
    request.folder = dir.path();
    request.files = files;
    request.options = readCommandLine(commandLine);
    UpgradeRun run{UpgradeOutcome::Ended, {}, {}, {}};
    run.outcome = runUpgrade(request, run.ui, makePosixTransport());
    monitor.stop();
    run.accepted = monitor.accepted();
    run.received = monitor.received();
    return run;
}

MonitorOptions monitorWith(std::vector<torvik::sim::MonitorEntry> entries = {{0, kReference}})
{
    MonitorOptions options;
    options.instruments = {std::move(entries)};
    return options;
}

TEST(Upgrade, EveryRecordAcceptedInOrder)
{
    test::FirmwareDir dir;
    const std::string file = dir.writeFirmware("A.HEX", {"99999999Z99", kReference}, 60);
    UpgradeRun run = upgrade(dir, {"A.HEX"}, monitorWith());
    EXPECT_EQ(run.outcome, UpgradeOutcome::Success);
    EXPECT_EQ(run.accepted, test::recordsOf(file));
    ASSERT_EQ(run.ui.boxes.size(), 2u);
    EXPECT_EQ(run.ui.boxes[0].text,
              "The instrument upgrading will be done by transmitting following files:\n . \"A.HEX\"");
    EXPECT_EQ(run.ui.boxes[1].text, kDone);
    EXPECT_EQ(run.ui.boxes[1].icon, BoxIcon::Information);
    EXPECT_EQ(run.ui.percents.back(), 100);
    // Identification twice (the first answer discarded), the switch and its check.
    const std::vector<std::string> opening(run.received.begin(), run.received.begin() + 4);
    EXPECT_EQ(opening, (std::vector<std::string>{"RIVO?", "RIVO?", "MODERIVO0", "RIVO?"}));
    EXPECT_EQ(run.received.back(), "EXITRIVO");
}

TEST(Upgrade, SecondMonitorGetsItsFile)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {"11111111A01"}, 10);
    const std::string second = dir.writeFirmware("B.HEX", {"22222222B02"}, 12);
    UpgradeRun run = upgrade(dir, {"A.HEX", "B.HEX"}, monitorWith({{0, "33333333C03"}, {0, "22222222B02"}}));
    EXPECT_EQ(run.outcome, UpgradeOutcome::Success);
    EXPECT_EQ(run.accepted, test::recordsOf(second));
    EXPECT_EQ(run.received[2], "MODERIVO1");
}

struct FaultCase {
    const char *name;
    std::string acknowledgement = "OK";
    int nackRecord = 0;
    int nackTimes = -1;
    bool quietEnd = false;
    UpgradeOutcome outcome = UpgradeOutcome::Success;
    std::string lastBox = kDone;
};

class MonitorFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(MonitorFaults, OutcomeAndBox)
{
    const FaultCase &c = GetParam();
    test::FirmwareDir dir;
    const std::string file = dir.writeFirmware("A.HEX", {kReference}, 8);
    MonitorOptions options = monitorWith();
    options.acknowledgement = c.acknowledgement;
    options.nackRecord = c.nackRecord;
    options.nackTimes = c.nackTimes;
    options.quietEndRecord = c.quietEnd;
    UpgradeRun run = upgrade(dir, {"A.HEX"}, options);
    EXPECT_EQ(run.outcome, c.outcome);
    std::string expected = c.lastBox;
    const std::vector<std::string> records = test::recordsOf(file);
    // "RECORDn" stands for the file's n-th record.
    if (const std::size_t at = expected.find("RECORD"); at != std::string::npos)
        expected.replace(at, 7, records[static_cast<std::size_t>(expected[at + 6] - '1')]);
    EXPECT_EQ(run.ui.lastText(), expected);
    if (c.outcome == UpgradeOutcome::Success) {
        EXPECT_EQ(run.received.back(), "EXITRIVO");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MonitorFaults,
    ::testing::Values(
        FaultCase{"LowerCaseOk", "ok"},
        FaultCase{"OkInsideText", "Record Ok."},
        FaultCase{"NackOkRefused", "NACK OK", 0, -1, false, UpgradeOutcome::Ended,
                  "Unable to transmit line:\n  \"RECORD1\"\nThe line has not be accepted by the instrument" + kCable},
        FaultCase{"ThirdRecordRefusedThrice", "OK", 3, -1, false, UpgradeOutcome::Ended,
                  "Unable to transmit line:\n  \"RECORD3\"\nThe line has not be accepted by the instrument" + kCable},
        FaultCase{"ThirdRecordRefusedTwice", "OK", 3, 2},
        FaultCase{"EndRecordUnanswered", "OK", 0, -1, true}),
    [](const auto &test) { return test.param.name; });

TEST(Upgrade, NoCompatibleFile)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {"99999999Z99"}, 8);
    UpgradeRun run = upgrade(dir, {"A.HEX"}, monitorWith());
    EXPECT_EQ(run.outcome, UpgradeOutcome::Ended);
    EXPECT_EQ(run.ui.lastText(), "The instrument cant be upgraded without intervention in the factory");
    EXPECT_EQ(run.ui.boxes.back().icon, BoxIcon::Warning);
    EXPECT_EQ(run.received, (std::vector<std::string>{"RIVO?", "RIVO?"}));
}

TEST(Upgrade, RefusalThenOkStartsAgainWithIdentification)
{
    test::FirmwareDir dir;
    const std::string file = dir.writeFirmware("A.HEX", {kReference}, 8);
    MonitorOptions options = monitorWith();
    options.nackRecord = 2;
    options.nackTimes = 3;
    UpgradeRun run;
    int failureBoxes = 0;
    {
        MonitorSimulator monitor(options);
        std::string error;
        ASSERT_TRUE(monitor.start(&error)) << error;
        setenv("TORVIK_COM1", monitor.devicePath().c_str(), 1);
        UpgradeRequest request{dir.path(), {"A.HEX"}, readCommandLine("-c1,115200,8,1,n,n -w0"),
                               Language::English, {}};
        run.ui.answer = [&](const MessageBox &box) {
            failureBoxes += box.purpose == BoxPurpose::Retry ? 1 : 0;
            return BoxAnswer::Ok;
        };
        run.outcome = runUpgrade(request, run.ui, makePosixTransport());
        monitor.stop();
        run.accepted = monitor.accepted();
    }
    EXPECT_EQ(run.outcome, UpgradeOutcome::Success);
    EXPECT_EQ(failureBoxes, 1);
    // The second confirmation follows a new identification.
    int confirmations = 0;
    for (const MessageBox &box : run.ui.boxes)
        confirmations += box.purpose == BoxPurpose::Confirm ? 1 : 0;
    EXPECT_EQ(confirmations, 2);
    const std::vector<std::string> records = test::recordsOf(file);
    std::vector<std::string> expected{records[0]};
    expected.insert(expected.end(), records.begin(), records.end());
    EXPECT_EQ(run.accepted, expected);
}

TEST(Upgrade, RepeatUpgradesTheNextInstrument)
{
    test::FirmwareDir dir;
    const std::string file = dir.writeFirmware("A.HEX", {kReference, "76543210B01"}, 8);
    MonitorOptions options = monitorWith();
    options.instruments.push_back({{0, "76543210B01"}});
    UpgradeRun run = upgrade(dir, {"A.HEX"}, options, "-c1,115200,8,1,n,n -w0 -r");
    // Two instruments upgraded, then nobody answers: the retry box, Cancel.
    EXPECT_EQ(run.outcome, UpgradeOutcome::Ended);
    const std::vector<std::string> once = test::recordsOf(file);
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(run.accepted, twice);
    EXPECT_EQ(run.ui.lastText(), "Unable to identify the instrument" + kCable);
}

TEST(Upgrade, PortThatCannotOpen)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {kReference}, 8);
    setenv("TORVIK_COM2", (dir.path() / "no-such-device").c_str(), 1);
    UpgradeRequest request{dir.path(), {"A.HEX"}, readCommandLine("-c2,9600,8,1,n,n"), Language::English, {}};
    test::RecordingUi ui;
    EXPECT_EQ(runUpgrade(request, ui, makePosixTransport()), UpgradeOutcome::Ended);
    EXPECT_EQ(ui.lastText(), "No such file or directory.\n\nUnable to upgrade the instrument. Contact your resaler");
    EXPECT_EQ(ui.boxes.back().icon, BoxIcon::None);
}

TEST(Upgrade, LinkDialogWithoutUsableOption)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {kReference}, 8);
    UpgradeRequest request{dir.path(), {"A.HEX"}, readCommandLine("-c2,19200,8"), Language::English, {}};
    test::RecordingUi ui;  // cancels the link dialog
    EXPECT_EQ(runUpgrade(request, ui, makePosixTransport()), UpgradeOutcome::Ended);
    EXPECT_EQ(ui.linkDialogs, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(Upgrade, NothingChosen)
{
    test::FirmwareDir dir;
    UpgradeRequest request{dir.path(), {}, {}, Language::French, {}};
    test::RecordingUi ui;
    EXPECT_EQ(runUpgrade(request, ui, makePosixTransport()), UpgradeOutcome::Ended);
    EXPECT_EQ(ui.lastText(), "Aucun fichier de mise à jour (.HEX) n'a été trouvé dans le répertoire courant de "
                             "l'application.\n\nImpossible d'effectuer la mise à jour. Contactez votre revendeur");
}

TEST(Upgrade, BrokenFileSendsNothing)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {kReference}, 8);
    dir.write("B.HEX", ":0300300002337A1F\r\n:00000001FF\r\n");
    UpgradeRun run = upgrade(dir, {"A.HEX", "B.HEX"}, monitorWith());
    EXPECT_EQ(run.outcome, UpgradeOutcome::Ended);
    EXPECT_EQ(run.ui.lastText(), "File \"B.HEX\" is wrong.\n\nUnable to upgrade the instrument. Contact your resaler");
    EXPECT_TRUE(run.received.empty());
}

TEST(Upgrade, LineDroppedDuringTransmission)
{
    test::FirmwareDir dir;
    const std::string file = dir.writeFirmware("A.HEX", {kReference}, 8);
    MonitorOptions options = monitorWith();
    options.dropAfterRecord = 3;
    UpgradeRun run = upgrade(dir, {"A.HEX"}, options);
    EXPECT_EQ(run.outcome, UpgradeOutcome::Ended);
    // The third record went out unanswered; the next attempts cannot write.
    EXPECT_EQ(run.ui.lastText(), "Unable to transmit line:\n  \"" + test::recordsOf(file)[2] + "\"" + kCable);
    EXPECT_EQ(run.accepted.size(), 3u);
}

// Slow to run: two attempts of two five-second reads each.
TEST(Upgrade, SilentInstrument)
{
    test::FirmwareDir dir;
    dir.writeFirmware("A.HEX", {kReference}, 8);
    MonitorOptions options = monitorWith();
    options.silent = true;
    UpgradeRun run = upgrade(dir, {"A.HEX"}, options);
    EXPECT_EQ(run.outcome, UpgradeOutcome::Ended);
    EXPECT_EQ(run.ui.lastText(), "Unable to identify the instrument" + kCable);
    EXPECT_EQ(run.received.size(), 4u);
}

}  // namespace
}  // namespace rivo
