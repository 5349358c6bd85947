// The simulated tester answering the host over a real pseudo-terminal.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "sim_fixture.h"

namespace torvik::sim::test {
namespace {

TEST_F(SimulatorTest, AnswersTheIdentityQueries)
{
    serve();
    const struct {
        const char *command;
        const char *reply;
    } cases[] = {
        {"PP?", "45113"},
        {"*IDN?", "OLBRIN,TORVIK,T0412345,D.05"},
        {"USER_ID?", "J SMITH,NORDKABEL"},
        {"QUILLET_MINVER?", "A.08,Z.21"},
        {"UNCERTS?", "40,25,10,2,5,20"},
        {"MSG? 1", "Cat 5e U/UTP 100 Ohm"},
        {"MSG? 999", ""},
        {"MSG? x", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ask(c.command), c.reply) << c.command;
    EXPECT_EQ(host->errorReply(), "0,No error");
}

TEST_F(SimulatorTest, UnnamedUnitSendsOnlyCommasBeforeItsRevision)
{
    Unit unit = demoUnit();
    unit.identity = {"", "", "", "C.05"};
    serve(unit);
    EXPECT_EQ(ask("*IDN?"), ",,,C.05");
}

TEST_F(SimulatorTest, UncertaintiesTakeTheFormOfTheRevision)
{
    const struct {
        const char *revision;
        const char *reply;
    } cases[] = {
        {"A.50", "40,25,10,2"},       {"B.00", "40,25,10,2"},
        {"B.01", "40,25,10,2,5,20"},  {"b.05", "40,25,10,2,5,20"},
        {"Y.99", "40,25,10,2,5,20"},  {"Z.27", "40,25,10,2"},
        {"Z.28", "40,25,10,2,5,20"},  {"M.02", "40,25,10,2"},
    };
    for (const auto &c : cases) {
        Unit unit = demoUnit();
        unit.identity.revision = c.revision;
        serve(unit);
        EXPECT_EQ(ask("UNCERTS?"), c.reply) << c.revision;
    }
}

TEST_F(SimulatorTest, UnknownCommandRaisesUndefinedHeaderUntilCleared)
{
    serve();
    EXPECT_EQ(askExpectingSilence("SITES_FROM_MARS?"), "-113,Undefined header");
    EXPECT_EQ(host->errorReply(), "-113,Undefined header") << "reading must not clear";
    EXPECT_EQ(sim->sent(), "-113,Undefined header\n-113,Undefined header\n");
    host->write("CL_ERR\n");
    EXPECT_EQ(host->errorReply(), "0,No error");
}

TEST_F(SimulatorTest, FirmwareWithoutMinimumVersionDoesNotKnowTheQuery)
{
    Unit unit = demoUnit();
    unit.knowsMinVer = false;
    serve(unit);
    EXPECT_EQ(askExpectingSilence("QUILLET_MINVER?"), "-113,Undefined header");
}

TEST_F(SimulatorTest, AddedHandlersOverrideBuiltInsAndMayRaiseErrors)
{
    serve();
    Command seen;
    sim->addCommand("PP?", [](const Command &, TesterError &) { return Reply::line("45136"); });
    sim->addCommand("NORM?", [&seen](const Command &command, TesterError &raised) {
        seen = command;
        raised = {-221, "Settings conflict"};
        return Reply::none();
    });
    // A reply that goes out with the error behind it.
    sim->addCommand("NBTESTS?", [](const Command &, TesterError &raised) {
        raised = {-222, "Data out of range"};
        return Reply::line("0");
    });
    EXPECT_EQ(ask("PP?"), "45136");
    EXPECT_EQ(askExpectingSilence("NORM? 3,1"), "-221,Settings conflict");
    EXPECT_EQ(ask("NBTESTS? 9"), "0");
    EXPECT_EQ(host->errorReply(), "-222,Data out of range");
    sim->stop();  // the handler ran on the serving thread
    EXPECT_EQ(seen.line, "NORM? 3,1");
    EXPECT_EQ(seen.name, "NORM?");
    EXPECT_EQ(seen.args, (std::vector<std::string>{"3", "1"}));
}

TEST_F(SimulatorTest, SendsBinaryAndTextBlocksWhole)
{
    serve();
    sim->addCommand("GRAPH?", [](const Command &, TesterError &) {
        return Reply::binary("123456789");
    });
    sim->addCommand("INFO?", [](const Command &, TesterError &) {
        return Reply::textBlock("AB\nCD");
    });
    // Header, eleven bytes (nine data and the CRC 0x4B37 high byte first),
    // then the terminator.
    const std::string binary("#211123456789\x4B\x37\n");
    const std::string text("#0AB\nCD\n\n");
    host->command("GRAPH?");
    EXPECT_EQ(host->readBytes(binary.size()), binary);
    host->command("INFO?");
    EXPECT_EQ(host->readBytes(text.size()), text);
    EXPECT_EQ(host->errorReply(), "0,No error");
}

TEST_F(SimulatorTest, ChannelLinesSwitchModesWithoutReply)
{
    serve();
    EXPECT_FALSE(sim->isRemote());
    host->write("REM\n\x14\n");
    ASSERT_TRUE(sim->waitReceived("\x14\n", 2000));
    EXPECT_EQ(host->errorReply(), "0,No error");
    EXPECT_TRUE(sim->isRemote());
    host->write("LOC\n");
    ASSERT_TRUE(sim->waitReceived("LOC\n", 2000));
    EXPECT_EQ(host->errorReply(), "0,No error");
    EXPECT_FALSE(sim->isRemote());
    EXPECT_EQ(sim->sent(), "0,No error\n0,No error\n");
}

TEST_F(SimulatorTest, TracesEveryByteBothWays)
{
    serve();
    EXPECT_EQ(ask("PP?"), "45113");
    EXPECT_EQ(sim->received(), "REM\nPP?\n");
    EXPECT_EQ(sim->sent(), "45113\n");
    EXPECT_FALSE(sim->waitReceived("ERR?\n", 20));
    sim->clearTrace();
    EXPECT_EQ(sim->received(), "");
    EXPECT_EQ(sim->sent(), "");
}

TEST_F(SimulatorTest, KeepsServingWhenTheHostReopensTheDevice)
{
    serve();
    EXPECT_EQ(ask("PP?"), "45113");
    host = std::make_unique<HostPort>(sim->devicePath());
    ASSERT_TRUE(host->isOpen());
    EXPECT_EQ(ask("*IDN?"), "OLBRIN,TORVIK,T0412345,D.05");
}

TEST_F(SimulatorTest, LinkPathPointsAtTheDeviceWhileServing)
{
    const auto dir = std::filesystem::temp_directory_path()
                     / ("torvik-sim-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string link = (dir / "tester").string();
    std::filesystem::create_symlink("/nonexistent", link);  // a stale link to replace

    Options options;
    options.linkPath = link;
    serve(demoUnit(), options);
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim->devicePath());
    HostPort viaLink(link);
    ASSERT_TRUE(viaLink.isOpen());
    viaLink.command("PP?");
    EXPECT_EQ(viaLink.readLine(), "45113");

    sim->stop();
    sim->stop();
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    std::filesystem::remove_all(dir);
}

TEST_F(SimulatorTest, RefusesToReplaceAFileWithItsLink)
{
    const std::string path = ::testing::TempDir() + "torvik-sim-not-a-link";
    std::FILE *file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    Options options;
    options.linkPath = path;
    Simulator simulator(demoUnit(), options);
    std::string error;
    EXPECT_FALSE(simulator.start(&error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    std::filesystem::remove(path);
}

// 402 wire bytes at 19200 baud: the last cannot leave sooner than 401 byte
// times after the command was sent. The upper bound only catches gross drift,
// since a loaded machine delays the reader; line_pacer_test checks the exact
// schedule.
TEST_F(SimulatorTest, PacedRepliesKeepTheLineRate)
{
    Options options;
    options.paceBaud = 19200;
    serve(demoUnit(), options);
    sim->addCommand("GRAPH?", [](const Command &, TesterError &) {
        return Reply::binary(std::string(394, 'g'));
    });
    const auto asked = std::chrono::steady_clock::now();
    host->command("GRAPH?");
    ASSERT_EQ(host->readBytes(402).size(), 402U);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
    const double expected = 401 * 10.0 / 19200;
    EXPECT_GE(seconds, expected);
    // Only a gross pacing error (a delay per bit instead of per character,
    // say) may fail the upper bound: a busy machine stretches any run.
    EXPECT_LE(seconds, expected * 3 + 0.5);
}

}  // namespace
}  // namespace torvik::sim::test
