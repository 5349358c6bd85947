// torvik-sim --monitor: the simulated instrument monitor as a program.
#pragma once

namespace torvik::sim {

// True when the command line asks for the monitor ("--monitor").
bool isMonitorRun(int argc, char **argv);

// Serves the monitor until SIGINT or SIGTERM; the first line of output is
// the device to open. The exit status.
int runMonitor(int argc, char **argv);

}  // namespace torvik::sim
