#include "host_port.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace torvik::sim::test {

HostPort::HostPort(const std::string &device)
    : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC))
{
}

HostPort::~HostPort()
{
    close();
}

void HostPort::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool HostPort::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool HostPort::command(const std::string &text)
{
    return write("REM\n") && write(text + "\n");
}

std::optional<char> HostPort::readByte(int timeoutMs)
{
    pollfd pfd{fd_, POLLIN, 0};
    if (::poll(&pfd, 1, timeoutMs) <= 0)
        return std::nullopt;
    char c = 0;
    if (::read(fd_, &c, 1) != 1)
        return std::nullopt;
    return c;
}

std::optional<std::string> HostPort::readLine(int timeoutMs)
{
    std::string line;
    while (const auto c = readByte(timeoutMs)) {
        if (*c == '\n')
            return line;
        line += *c;
    }
    return std::nullopt;
}

std::string HostPort::readBytes(std::size_t count, int timeoutMs)
{
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < count) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, timeoutMs) <= 0)
            break;
        const std::size_t want = std::min(count - bytes.size(), sizeof buffer);
        const ssize_t n = ::read(fd_, buffer, want);
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::string HostPort::errorReply()
{
    if (!write("ERR?\n"))
        return "<none>";
    return readLine().value_or("<none>");
}

}  // namespace torvik::sim::test
