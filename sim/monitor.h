// A simulated instrument in its monitor (the resident loader) on a
// pseudo-terminal: it answers "RIVO?" with its monitors' mode flags and
// references, switches a monitor to upgrading mode on "MODERIVO%d",
// acknowledges firmware records and leaves on "EXITRIVO". Faults can be
// injected for tests, and it keeps the records it accepted.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "simulator.h"

namespace torvik::sim {

struct MonitorEntry {
    long modeFlag = 0;      // nonzero: in upgrading mode
    std::string reference;  // e.g. "01234567A12"
};

// "0,01234567A12,1,87654321A05": flags and references as the monitor
// answers them; empty when the text is not such a list.
std::vector<MonitorEntry> parseMonitorEntries(const std::string &text);

struct MonitorOptions {
    // The instrument on the line, then the ones connected after each
    // "EXITRIVO". With more than one, the line goes quiet after the last.
    std::vector<std::vector<MonitorEntry>> instruments{{{0, "01234567A12"}}};
    int32_t paceBaud = 0;       // the line's rate both ways; 0: no pacing
    int nackRecord = 0;         // record n (from 1) is refused; 0: none
    int nackTimes = -1;         // how often it is refused; -1: always
    std::string acknowledgement = "OK";  // the answer to an accepted record
    bool silent = false;        // answers nothing at all
    bool quietEndRecord = false;  // accepts the end record without a word
    int slowMs = 0;             // waits this long before every answer
    int dropAfterRecord = 0;    // the line drops once record n is accepted; 0: never
    std::string linkPath;       // a symbolic link to the device, if set
    std::string acceptedPath;   // every accepted record appended here
    std::function<void(TraceDirection, const std::string &)> onTrace;
};

class MonitorSimulator {
public:
    explicit MonitorSimulator(MonitorOptions options);
    ~MonitorSimulator();
    MonitorSimulator(const MonitorSimulator &) = delete;
    MonitorSimulator &operator=(const MonitorSimulator &) = delete;

    bool start(std::string *error);
    void stop();
    const std::string &devicePath() const;

    // The records accepted so far, as received (without the line feed).
    std::vector<std::string> accepted() const;
    // Every line received, in order.
    std::vector<std::string> received() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace torvik::sim
