// A simulator started on a fresh pseudo-terminal with the host's end open.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host_port.h"
#include "simulator.h"

namespace torvik::sim::test {

class SimulatorTest : public ::testing::Test {
protected:
    void serve(Unit unit = demoUnit(), Options options = {})
    {
        sim = std::make_unique<Simulator>(std::move(unit), std::move(options));
        std::string error;
        ASSERT_TRUE(sim->start(&error)) << error;
        host = std::make_unique<HostPort>(sim->devicePath());
        ASSERT_TRUE(host->isOpen()) << sim->devicePath();
    }

    // The reply line to one command, or "<no reply>".
    std::string ask(const std::string &command)
    {
        host->command(command);
        return host->readLine().value_or("<no reply>");
    }

    // A command that must get no reply at all: the next line to arrive must
    // be the answer to the ERR? that follows it, since the tester answers in
    // order. Returns that error reply.
    std::string askExpectingSilence(const std::string &command)
    {
        host->command(command);
        return host->errorReply();
    }

    std::unique_ptr<Simulator> sim;
    std::unique_ptr<HostPort> host;
};

}  // namespace torvik::sim::test
