// torvik-sim: serves a simulated tester on a pseudo-terminal until SIGINT or
// SIGTERM. The first line of output is the device to open.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>

#include "monitor_main.h"
#include "serve_until_stopped.h"
#include "sim_options.h"
#include "simulator.h"
#include "unit_json.h"

namespace {

using torvik::sim::TraceDirection;

// Bytes as readable text: printable ASCII as is, the rest escaped.
std::string escaped(const std::string &bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

void printTrace(TraceDirection direction, const std::string &bytes)
{
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    std::cerr << (direction == TraceDirection::Received ? "> " : "< ") << escaped(bytes)
              << std::endl;
}

}  // namespace

int main(int argc, char **argv)
{
    if (torvik::sim::isMonitorRun(argc, argv))
        return torvik::sim::runMonitor(argc, argv);
    torvik::sim::ProgramSettings settings;
    switch (torvik::sim::parseCommandLine(argc, argv, settings)) {
    case torvik::sim::ParseOutcome::ExitOk:
        return 0;
    case torvik::sim::ParseOutcome::ExitError:
        return 1;
    case torvik::sim::ParseOutcome::Run:
        break;
    }
    if (settings.dumpUnit) {
        std::cout << torvik::sim::describeUnit(settings.unit);
        return 0;
    }
    if (settings.trace)
        settings.options.onTrace = printTrace;

    const sigset_t signals = torvik::sim::blockStopSignals();
    torvik::sim::Simulator simulator(settings.unit, settings.options);
    simulator.setFaults(settings.faults);
    return torvik::sim::serveUntilStopped(simulator, signals);
}
