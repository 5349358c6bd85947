// Output pacing at the line rate.
#include <gtest/gtest.h>

#include "line_pacer.h"

namespace torvik::sim {
namespace {

using std::chrono::milliseconds;
using Clock = LinePacer::Clock;

TEST(LinePacer, UnpacedSendsEverythingAtOnce)
{
    LinePacer pacer(0);
    const Clock::time_point now = Clock::now();
    pacer.beginBurst(now);
    EXPECT_EQ(pacer.chunkSize(5000), 5000U);
    EXPECT_EQ(pacer.reserve(5000), now);
}

TEST(LinePacer, ChunksHoldAboutTwoMillisecondsOfLineTime)
{
    EXPECT_EQ(LinePacer(115200).chunkSize(1000), 23U);
    EXPECT_EQ(LinePacer(2400).chunkSize(1000), 1U);
    EXPECT_EQ(LinePacer(115200).chunkSize(5), 5U);
}

// At 10000 baud a byte takes exactly one millisecond.
TEST(LinePacer, ByteKOfABurstIsDueKByteTimesAfterItsStart)
{
    LinePacer pacer(10000);
    const Clock::time_point t0 = Clock::now();
    pacer.beginBurst(t0);
    EXPECT_EQ(pacer.reserve(1), t0);
    EXPECT_EQ(pacer.reserve(4), t0 + milliseconds(4));
    EXPECT_EQ(pacer.reserve(2), t0 + milliseconds(6));
}

TEST(LinePacer, ABurstContinuesWhileTheLineIsBusyAndRestartsWhenIdle)
{
    LinePacer pacer(10000);
    const Clock::time_point t0 = Clock::now();
    pacer.beginBurst(t0);
    pacer.reserve(3);  // the line is busy until t0 + 3 ms
    pacer.beginBurst(t0 + milliseconds(2));
    EXPECT_EQ(pacer.reserve(1), t0 + milliseconds(3));
    const Clock::time_point later = t0 + milliseconds(50);
    pacer.beginBurst(later);
    EXPECT_EQ(pacer.reserve(3), later + milliseconds(2));
}

TEST(LinePacer, LongBurstsKeepTheExactRate)
{
    LinePacer pacer(38400);
    const Clock::time_point t0 = Clock::now();
    pacer.beginBurst(t0);
    Clock::time_point due = t0;
    for (int i = 0; i < 3840; ++i)
        due = pacer.reserve(1);
    // Byte 3839 of a burst at 3840 bytes per second.
    EXPECT_NEAR(std::chrono::duration<double>(due - t0).count(), 3839.0 / 3840.0, 1e-6);
}

}  // namespace
}  // namespace torvik::sim
