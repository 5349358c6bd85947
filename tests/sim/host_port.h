// The host's end of a simulated tester, driven with plain POSIX calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvik::sim::test {

class HostPort {
public:
    explicit HostPort(const std::string &device);
    ~HostPort();
    HostPort(const HostPort &) = delete;
    HostPort &operator=(const HostPort &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    void close();

    // False when the bytes could not all be written.
    bool write(std::string_view bytes);
    // A command as the host sends it: "REM\n", then the command and "\n".
    bool command(const std::string &text);
    // One line without its line feed; nothing when no full line arrives in time.
    std::optional<std::string> readLine(int timeoutMs = 2000);
    // Up to `count` bytes; fewer when the time runs out or the line fails.
    std::string readBytes(std::size_t count, int timeoutMs = 2000);
    // The ERR? reply, or "<none>".
    std::string errorReply();

private:
    // One byte, or nothing at the deadline or on failure.
    std::optional<char> readByte(int timeoutMs);

    int fd_ = -1;
};

}  // namespace torvik::sim::test
