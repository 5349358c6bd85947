#include "line_pacer.h"

#include <algorithm>

namespace torvik::sim {

namespace {
constexpr int64_t bitsPerByte = 10;
constexpr int64_t chunksPerSecond = 500;
}  // namespace

std::size_t LinePacer::chunkSize(std::size_t remaining) const
{
    if (!paced())
        return remaining;
    const auto perChunk = static_cast<std::size_t>(baud_ / bitsPerByte / chunksPerSecond);
    return std::min(remaining, std::max<std::size_t>(perChunk, 1));
}

LinePacer::Clock::duration LinePacer::byteOffset(std::size_t k) const
{
    // Exact integer nanoseconds from the burst start, so long bursts keep the
    // rate without accumulating rounding.
    const auto ns = static_cast<int64_t>(k) * bitsPerByte * 1'000'000'000 / baud_;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(ns));
}

void LinePacer::beginBurst(Clock::time_point now)
{
    if (!paced() || now >= burstStart_ + byteOffset(burstBytes_)) {
        burstStart_ = now;
        burstBytes_ = 0;
    }
}

LinePacer::Clock::time_point LinePacer::reserve(std::size_t count)
{
    if (!paced() || count == 0)
        return burstStart_;
    const Clock::time_point due = burstStart_ + byteOffset(burstBytes_ + count - 1);
    burstBytes_ += count;
    return due;
}

}  // namespace torvik::sim
