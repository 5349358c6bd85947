#include "line_writer.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <thread>

namespace torvik::sim {

bool LineWriter::waitWritable() const
{
    std::array<pollfd, 2> fds{{{fd_, POLLOUT, 0}, {wakeFd_, POLLIN, 0}}};
    while (::poll(fds.data(), fds.size(), -1) < 0) {
        if (errno != EINTR)
            return false;
    }
    if (fds[1].revents != 0)
        return false;
    return (fds[0].revents & POLLOUT) != 0;
}

ssize_t LineWriter::writeSome(std::string_view chunk, std::mutex &traceMutex,
                              std::string &trace)
{
    const std::lock_guard lock(traceMutex);
    const ssize_t n = ::write(fd_, chunk.data(), chunk.size());
    if (n > 0)
        trace += chunk.substr(0, static_cast<std::size_t>(n));
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return 0;
    return n;
}

bool LineWriter::write(std::string_view bytes, std::mutex &traceMutex, std::string &trace)
{
    pacer_.beginBurst(LinePacer::Clock::now());
    while (!bytes.empty()) {
        const std::size_t size = pacer_.chunkSize(bytes.size());
        std::this_thread::sleep_until(pacer_.reserve(size));
        std::string_view chunk = bytes.substr(0, size);
        while (!chunk.empty()) {
            if (!waitWritable())
                return false;
            const ssize_t n = writeSome(chunk, traceMutex, trace);
            if (n < 0)
                return false;
            chunk.remove_prefix(static_cast<std::size_t>(n));
        }
        bytes.remove_prefix(size);
    }
    return true;
}

}  // namespace torvik::sim
