// The serial line as the upgrader uses it. One POSIX implementation
// (posix_transport.cpp) serves real ports and the simulated monitor's
// pseudo-terminal alike; tests may put their own behind the interface.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "link_settings.h"

namespace rivo {

class SerialTransport {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~SerialTransport() = default;

    // Opens the device of settings.port for exclusive use and applies the
    // line settings; 0 or the system's error number.
    virtual int open(const LinkSettings &settings) = 0;
    // Drops what is queued both ways and releases the device (its
    // exclusivity first, so it can be opened again at once); 0 or the
    // system's error number.
    virtual int close() = 0;
    virtual bool isOpen() const = 0;

    // Writes every byte; false when the write failed.
    virtual bool write(std::string_view bytes) = 0;
    // Waits until the output queue is empty or `limit` has passed.
    virtual void waitDrain(std::chrono::milliseconds limit) = 0;
    // One byte, or -1 when none came before `deadline` or the line failed.
    virtual int readByte(Clock::time_point deadline) = 0;
};

// The device of port n: the environment variable TORVIK_COM<n> when set,
// else /dev/ttyS<n-1>.
std::string portDevicePath(int port);

std::unique_ptr<SerialTransport> makePosixTransport();

// The system's text for an error number.
std::string systemErrorText(int error);

}  // namespace rivo
