// Pacing of output as a serial line at a given rate would carry it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace torvik::sim {

// A byte takes ten bit times (start, eight data bits, stop). Within a
// continuous burst byte k may leave no earlier than the burst start plus k
// byte times; a reply is one burst, and the next reply continues it when it
// follows before the line has gone idle.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePacer(int32_t baud) : baud_(baud) {}

    bool paced() const { return baud_ > 0; }
    // Bytes to hand over in one write: about two milliseconds of line time,
    // so the rate is kept without sleeping for every byte.
    std::size_t chunkSize(std::size_t remaining) const;
    // Starts a burst at `now`, or carries on with the current one while the
    // line is still busy sending it.
    void beginBurst(Clock::time_point now);
    // Books `count` further bytes of the burst and returns when the last of
    // them is due. A writer that wakes late catches up: the due times stay
    // fixed to the burst start.
    Clock::time_point reserve(std::size_t count);

private:
    Clock::duration byteOffset(std::size_t k) const;

    int32_t baud_;
    Clock::time_point burstStart_{};
    std::size_t burstBytes_ = 0;
};

}  // namespace torvik::sim
