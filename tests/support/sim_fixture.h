// A simulated tester on a pseudo-terminal, reached through the link as
// port 1, with every message box the library raises recorded.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "simulator.h"
#include "torvlink.h"

// The tester answers a command with this reply from now on.
inline void replyWith(torvik::sim::Simulator &tester, const std::string &name, torvik::sim::Reply reply) {
    tester.addCommand(name, [reply](const torvik::sim::Command &, torvik::sim::TesterError &) { return reply; });
}

struct RaisedMessage {
    std::string caption;
    std::string text;
    int32_t icon;
};

class SimulatedTester : public ::testing::Test {
protected:
    void startTester(torvik::sim::Unit unit = torvik::sim::demoUnit()) {
        tester_ = std::make_unique<torvik::sim::Simulator>(std::move(unit));
        std::string error;
        ASSERT_TRUE(tester_->start(&error)) << error;
        TorvlinkSetPortDevice(1, tester_->devicePath().c_str());
        TorvlinkSetMessageHandler(&SimulatedTester::record, this);
    }

    static torvik::sim::Unit unitAtRevision(const std::string &revision) {
        torvik::sim::Unit unit = torvik::sim::demoUnit();
        unit.identity.revision = revision;
        return unit;
    }

    int32_t openLink(int32_t rate = 38400, char flow = 'n') {
        return TorvikCommOpen(1, rate, 'n', 8, 1, flow);
    }

    // Opens the link and forgets the opening's bytes.
    void openQuietly() {
        ASSERT_EQ(openLink(), 0);
        ASSERT_TRUE(tester().waitReceived(kOpeningTail, 1000));
        tester().clearTrace();
    }

    // The opening ends with "REM" and "CL_ERR", each as a command.
    static constexpr const char *kOpeningTail = "REM\nREM\nREM\nCL_ERR\n";

    void TearDown() override {
        TorvikCommClose();
        TorvlinkSetMessageHandler(nullptr, nullptr);
        TorvlinkSetPortDevice(1, nullptr);
        if (tester_) tester_->stop();
    }

    torvik::sim::Simulator &tester() { return *tester_; }

    std::vector<RaisedMessage> messages;

private:
    static int32_t record(void *self, const char *caption, const char *text, int32_t icon) {
        static_cast<SimulatedTester *>(self)->messages.push_back({caption, text, icon});
        return 1;
    }

    std::unique_ptr<torvik::sim::Simulator> tester_;
};
