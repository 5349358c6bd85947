// Sweep frequencies and limit values, computed as the tester computes them.
#include <gtest/gtest.h>

#include "torvlink.h"

namespace {

struct SweepCase {
    int32_t index;
    int32_t kHz;
};

class SweepFrequency : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweepFrequency, FollowsTheSegmentOfTheIndex) {
    const SweepSegment segments[4] = {{60, 3, 200}, {700, 6, 400}, {2000, 12, 500}, {9000, 30, 600}};
    EXPECT_EQ(TorvikSweepIdxToFrqKHz(segments, GetParam().index), GetParam().kHz);
}

INSTANTIATE_TEST_SUITE_P(Indexes, SweepFrequency,
                         ::testing::Values(SweepCase{0, 1000}, SweepCase{10, 1500}, SweepCase{200, 11000},
                                           SweepCase{201, 11666}, SweepCase{202, 11766},
                                           SweepCase{401, 33333}, SweepCase{501, 150000},
                                           SweepCase{503, 151000}));

TEST(SweepFrequencyArithmetic, WrapsAtSixteenBits) {
    const SweepSegment segments[4] = {{65000, 1000, 100}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    // 65000 + 1000 × 1 = 66000 wraps to 464 units.
    EXPECT_EQ(TorvikSweepIdxToFrqKHz(segments, 1), static_cast<int32_t>(464 * 16.666666666666668));
}

// A three-point curve: header (count 4, shift), points at 60, 600 and 6000
// units (1, 10 and 100 MHz).
LimitCurve threePointCurve(uint8_t shift, uint16_t slope) {
    LimitCurve c{};
    c.records[0] = {4, shift, 0, 0};
    c.records[1] = {60, slope, 8 * 65, 8};
    c.records[2] = {600, slope, 8 * 50, 16};
    c.records[3] = {6000, slope, 8 * 30, 24};
    return c;
}

TEST(LimitValue, FlatSegmentsTakeThePointsValue) {
    const LimitCurve c = threePointCurve(0, 0);
    int16_t aux = -1;
    int32_t clamped = -1;
    EXPECT_EQ(TorvikGetGabValAtFrq(5000, &c, &aux, &clamped), 8 * 50);
    EXPECT_EQ(clamped, 0);
    EXPECT_EQ(TorvikGetGabValAtFrq(10000, &c, &aux, &clamped), 8 * 50);  // at the point
    EXPECT_EQ(TorvikGetGabValAtFrq(500, &c, &aux, &clamped), 8 * 65);    // below the first point
    EXPECT_EQ(aux, 8);
}

TEST(LimitValue, AboveTheLastPointIsClamped) {
    const LimitCurve c = threePointCurve(0, 0);
    int16_t aux = 0;
    int32_t clamped = 0;
    EXPECT_EQ(TorvikGetGabValAtFrq(250000, &c, &aux, &clamped), 8 * 30);
    EXPECT_EQ(clamped, 100000);
    EXPECT_EQ(aux, 24);
}

TEST(LimitValue, AuxiliaryIsInterpolatedBetweenPoints) {
    const LimitCurve c = threePointCurve(0, 0);
    int16_t aux = 0;
    int32_t clamped = 0;
    // 55 MHz = 3300 units, half way from 600 to 6000: 16 + 8 × 0.5 = 20.
    TorvikGetGabValAtFrq(55000, &c, &aux, &clamped);
    EXPECT_EQ(aux, 20);
}

TEST(LimitValue, SlopeAndShiftFollowSixteenBitArithmetic) {
    // Slope 256 with shift 0: one 1/8 dB per unit before the point.
    LimitCurve c = threePointCurve(0, 256);
    int16_t aux = 0;
    int32_t clamped = 0;
    // 9 MHz = 540 units, 60 before the point at 600: 400 - 60.
    EXPECT_EQ(TorvikGetGabValAtFrq(9000, &c, &aux, &clamped), 400 - 60);
    // Shift 2 with rounding: (-60 + 2) >> 2 = -15 (arithmetic).
    c = threePointCurve(2, 256);
    EXPECT_EQ(TorvikGetGabValAtFrq(9000, &c, &aux, &clamped), 400 - 15);
    // A product beyond 16 bits keeps its low 16 bits: -60 × 2000 = -120000 → 0x2B40 = 11072.
    c = threePointCurve(0, 2000);
    EXPECT_EQ(TorvikGetGabValAtFrq(9000, &c, &aux, &clamped), 400 + (11072 >> 8));
}

TEST(LimitValue, MalformedCurvesStayInsideTheRecord) {
    LimitCurve c{};
    c.records[0] = {60000, 0, 0, 0};  // a count far beyond the 45 records
    for (int i = 1; i < TORVIK_LIMIT_RECORDS; ++i) c.records[i] = {static_cast<uint16_t>(i), 0, 7, 1};
    int16_t aux = 0;
    int32_t clamped = 0;
    EXPECT_EQ(TorvikGetGabValAtFrq(1000000, &c, &aux, &clamped), 7);
    c.records[0].frequency = 1;  // no point at all
    EXPECT_EQ(TorvikGetGabValAtFrq(1000, &c, &aux, &clamped), 0);
}

}  // namespace
