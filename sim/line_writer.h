// Writing the tester's replies to the master side of the pseudo-terminal.
#pragma once

#include <sys/types.h>

#include <mutex>
#include <string>
#include <string_view>

#include "line_pacer.h"

namespace torvik::sim {

class LineWriter {
public:
    // `fd` is the non-blocking master; a byte arriving on `wakeFd` abandons
    // the write (the simulator is stopping).
    LineWriter(int fd, int wakeFd, int32_t baud) : fd_(fd), wakeFd_(wakeFd), pacer_(baud) {}

    // Writes all of `bytes`, paced, as one burst. Each chunk is written and
    // appended to `trace` under `traceMutex`, so the trace never lags what
    // the host can read. False when the line failed or the simulator is
    // stopping.
    bool write(std::string_view bytes, std::mutex &traceMutex, std::string &trace);

private:
    bool waitWritable() const;
    // Bytes written (0 when the line is full), or -1 on failure.
    ssize_t writeSome(std::string_view chunk, std::mutex &traceMutex, std::string &trace);

    int fd_;
    int wakeFd_;
    LinePacer pacer_;
};

}  // namespace torvik::sim
