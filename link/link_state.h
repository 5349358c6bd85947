// The process-wide link state: the open port, the last command sent, the
// tester's firmware revision and the system error of the last port failure.
// Calls into the library must not overlap, so nothing here is guarded.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "serial_port.h"

namespace torvlink {

constexpr uint32_t kDefaultReadTimeoutMs = 3000;

struct LinkState {
    std::unique_ptr<SerialPort> port;  // none: the link is closed
    uint32_t defaultReadTimeoutMs = kDefaultReadTimeoutMs;
    std::string lastCommand;           // line feed included
    std::string revision;              // kept after closing, until the next identification
    std::string portName;              // "COM1".."COM4" while open
    int32_t rate = 0;
    int lastSystemError = 0;           // errno of the last failed port call
    std::array<std::string, 4> portDevices;  // device paths chosen by the program
    // A reply may still be on its way (the last exchange timed out or read
    // garbage): the next query waits for the line to fall quiet first.
    bool replyMayFollow = false;
    int32_t lastQueryFault = 0;  // TORVLINK_FAULT_* of the last query
};

LinkState &link();

inline bool linkIsOpen() { return link().port != nullptr; }

// Records a failed port call's errno for the "System error" text and
// returns the port-failure code.
int32_t portFailure(int error);

// Waits `ms` milliseconds with the busy cursor shown.
void waitMs(uint32_t ms);

}  // namespace torvlink
