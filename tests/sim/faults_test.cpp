// Faults a test can inject into the simulated tester's replies.
#include <poll.h>
#include <unistd.h>

#include <functional>

#include "sim_fixture.h"

namespace torvik::sim::test {
namespace {

const std::string goodBlock("#211123456789\x4B\x37\n");
const std::string spoiltBlock("#211123456789\x4B\xC8\n");

class FaultsTest : public SimulatorTest {
protected:
    void SetUp() override
    {
        serve();
        sim->addCommand("GRAPH?", [](const Command &, TesterError &) {
            return Reply::binary("123456789");
        });
        sim->addCommand("INFO?", [](const Command &, TesterError &) {
            return Reply::textBlock("AB");
        });
    }

    void inject(const std::function<void(Faults &)> &edit)
    {
        Faults faults;
        edit(faults);
        sim->setFaults(faults);
    }
};

TEST_F(FaultsTest, SilentCommandsGetNoReplyAndRaiseNoError)
{
    inject([](Faults &f) { f.silentCommands = {"PP?", "NO_SUCH?"}; });
    EXPECT_EQ(askExpectingSilence("PP?"), "0,No error");
    EXPECT_EQ(askExpectingSilence("NO_SUCH?"), "0,No error");
    EXPECT_EQ(ask("*IDN?"), "OLBRIN,TORVIK,T0412345,D.05");
}

TEST_F(FaultsTest, AMuteTesterAnswersNothingAtAll)
{
    inject([](Faults &f) { f.silent = true; });
    host->command("PP?");
    host->command("NO_SUCH?");
    host->write("ERR?\n");
    ASSERT_TRUE(sim->waitReceived("ERR?\n", 2000));
    sim->setFaults(Faults{});
    EXPECT_EQ(host->errorReply(), "0,No error");
    EXPECT_EQ(sim->sent(), "0,No error\n");
}

TEST_F(FaultsTest, OverlongLinesArePaddedButErrorRepliesAreNot)
{
    inject([](Faults &f) { f.overlongLineLength = 100; });
    const std::string reply = ask("MSG? 1");
    EXPECT_EQ(reply, "Cat 5e U/UTP 100 Ohm" + std::string(80, 'X'));
    EXPECT_EQ(host->errorReply(), "0,No error");
}

TEST_F(FaultsTest, SpoilsTheCrcOfTheFirstBinaryBlocksOnly)
{
    inject([](Faults &f) { f.corruptCrcSends = 2; });
    for (const std::string &expected : {spoiltBlock, spoiltBlock, goodBlock}) {
        host->command("GRAPH?");
        EXPECT_EQ(host->readBytes(expected.size()), expected);
    }
    inject([](Faults &f) { f.corruptCrcSends = 1; });
    host->command("GRAPH?");
    EXPECT_EQ(host->readBytes(spoiltBlock.size()), spoiltBlock) << "the count restarts";
}

TEST_F(FaultsTest, BadBlockHeaderSpoilsBlocksButNotLines)
{
    inject([](Faults &f) { f.badBlockHeader = true; });
    host->command("GRAPH?");
    EXPECT_EQ(host->readBytes(goodBlock.size()), "X" + goodBlock.substr(1));
    host->command("INFO?");
    EXPECT_EQ(host->readBytes(6), "X0AB\n\n");
    EXPECT_EQ(ask("PP?"), "45113");
}

TEST_F(FaultsTest, RaisesAnErrorAfterAnsweringTheNamedCommand)
{
    inject([](Faults &f) {
        f.errorAfterCommand = "PP?";
        f.errorAfter = {-222, "Data out of range"};
    });
    EXPECT_EQ(ask("*IDN?"), "OLBRIN,TORVIK,T0412345,D.05");
    EXPECT_EQ(host->errorReply(), "0,No error");
    EXPECT_EQ(ask("PP?"), "45113");
    EXPECT_EQ(host->errorReply(), "-222,Data out of range");
}

TEST_F(FaultsTest, DropsTheLineWhenTheNamedCommandArrives)
{
    inject([](Faults &f) { f.dropAfterCommand = "GRAPH?"; });
    EXPECT_EQ(ask("PP?"), "45113");
    host->command("GRAPH?");

    pollfd pfd{host->fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&pfd, 1, 2000), 1);
    EXPECT_NE(pfd.revents & (POLLHUP | POLLERR), 0);
    char byte = 0;
    EXPECT_LE(::read(host->fd(), &byte, 1), 0);
    EXPECT_FALSE(host->write("REM\n"));
    EXPECT_EQ(sim->sent(), "45113\n");
    sim->stop();
}

}  // namespace
}  // namespace torvik::sim::test
