#include "monitor_main.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstring>
#include <iostream>
#include <mutex>

#include "monitor.h"
#include "serve_until_stopped.h"

namespace torvik::sim {

namespace {

bool readInstrument(const std::string &text, std::vector<std::vector<MonitorEntry>> &instruments)
{
    std::vector<MonitorEntry> entries = parseMonitorEntries(text);
    if (entries.empty()) {
        std::cerr << "torvik-sim: monitors are given as FLAG,REFERENCE[,FLAG,REFERENCE...]: " << text << '\n';
        return false;
    }
    instruments.push_back(std::move(entries));
    return true;
}

void traceLine(TraceDirection direction, const std::string &line)
{
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    std::string shown = line;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.pop_back();
    std::cerr << (direction == TraceDirection::Received ? "> " : "< ") << shown << std::endl;
}

}  // namespace

bool isMonitorRun(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--monitor") == 0)
            return true;
    }
    return false;
}

int runMonitor(int argc, char **argv)
{
    CLI::App app{"Simulated instrument monitor (firmware upgrade protocol) on a pseudo-terminal. "
                 "Prints the device path, then serves until interrupted."};
    MonitorOptions options;
    bool monitor = false;
    bool trace = false;
    std::string first = "0,01234567A12";
    std::string second;
    app.add_flag("--monitor", monitor, "Serve the monitor instead of the tester");
    app.add_option("--monitors", first, "Mode flags and references: FLAG,REF[,FLAG,REF...]");
    app.add_option("--second", second, "The instrument connected after EXITRIVO (FLAG,REF...); "
                                       "the line goes quiet after its own EXITRIVO");
    app.add_option("--pace", options.paceBaud, "Carry the line at BAUD both ways")->check(CLI::NonNegativeNumber);
    app.add_option("--nack-record", options.nackRecord, "Refuse record N (from 1)")->check(CLI::NonNegativeNumber);
    app.add_option("--nack-times", options.nackTimes, "Refuse it this many times (default: always)");
    app.add_option("--ack", options.acknowledgement, "The answer to an accepted record (default OK)");
    app.add_flag("--silent", options.silent, "Answer nothing");
    app.add_flag("--quiet-end", options.quietEndRecord, "Accept the end record without answering");
    app.add_option("--slow", options.slowMs, "Wait MS milliseconds before every answer")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--drop-after", options.dropAfterRecord, "Drop the line once record N is accepted")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--accepted", options.acceptedPath, "Write every accepted record to FILE, one a line");
    app.add_option("--link", options.linkPath, "Symbolic link to create to the device");
    app.add_flag("--trace", trace, "Print every line received and answered on stderr");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e);
    }
    options.instruments.clear();
    if (!readInstrument(first, options.instruments) || (!second.empty() && !readInstrument(second, options.instruments)))
        return 1;
    if (trace)
        options.onTrace = traceLine;

    const sigset_t signals = blockStopSignals();
    MonitorSimulator simulator(options);
    return serveUntilStopped(simulator, signals);
}

}  // namespace torvik::sim
