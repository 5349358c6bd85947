// How torvik-sim serves, as the tester or as its monitor: SIGINT and SIGTERM
// are blocked in every thread before the simulator starts its own, so the
// main thread takes them with sigwait; the first line printed is the device
// to open.
#pragma once

#include <csignal>
#include <iostream>
#include <string>

namespace torvik::sim {

// Call before anything starts a thread.
inline sigset_t blockStopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

// Starts `served`, prints its device path and serves until a stop signal;
// the program's exit status.
template <class Served>
int serveUntilStopped(Served &served, const sigset_t &signals)
{
    std::string error;
    if (!served.start(&error)) {
        std::cerr << "torvik-sim: " << error << '\n';
        return 1;
    }
    std::cout << served.devicePath() << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    served.stop();
    return 0;
}

}  // namespace torvik::sim
