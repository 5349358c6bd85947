// The serial port as the link sees it: one interface, one POSIX
// implementation (serial_posix.cpp). Pseudo-terminals go through the same
// implementation, which is how the simulated tester is reached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace torvlink {

enum class Parity { None, Even, Odd };
enum class Handshake { None, DsrDtr };

struct LineSettings {
    int32_t rate = 38400;  // bit/s; only the rates of the tester's list are accepted
    Parity parity = Parity::None;
    int dataBits = 8;      // 7 or 8
    int stopBits = 1;      // 1 or 2
    Handshake handshake = Handshake::None;
};

// Failures carry the errno of the call that failed; the link keeps it for
// the "System error" text.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual bool configure(const LineSettings &settings, int &error) = 0;

    // Time-out contract: one deadline per call. read() returns once `size`
    // bytes arrived or `timeoutMs` elapsed since the call began, whichever
    // comes first; the result is the number of bytes stored (0 on a time-out
    // with no byte), or -1 when the port failed (also when the line dropped).
    virtual int32_t read(uint8_t *data, std::size_t size, uint32_t timeoutMs, int &error) = 0;
    // Blocks until the driver took every byte: the count written, or -1.
    virtual int32_t write(const uint8_t *data, std::size_t size, int &error) = 0;

    virtual void discardInput() = 0;          // drop what arrived and is unread
    virtual void discardAll() = 0;            // drop both directions' queues
    virtual bool drainOutput(int &error) = 0; // wait until every byte left
    virtual bool close(int &error) = 0;       // release the device
};

// Opens a device for exclusive use; nullptr with `error` set on failure.
std::unique_ptr<SerialPort> openSerialPort(const std::string &path, int &error);

// The termios speed of a rate of the tester's list; false for other rates.
bool isSupportedRate(int32_t rate);

}  // namespace torvlink
