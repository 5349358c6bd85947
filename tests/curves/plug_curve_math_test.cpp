// Curve arithmetic: resampling onto the sweep grid, power sums and the
// derived curves at one sweep point.
#include <gtest/gtest.h>

#include "plug_curve_math.h"

namespace curves = quillet::curves;

namespace {

struct CorrectionCase {
    double difference;
    double correction;
};

class PowerSumCorrection : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(PowerSumCorrection, FollowsTheSegmentTable) {
    EXPECT_DOUBLE_EQ(curves::powerSumCorrection(GetParam().difference), GetParam().correction);
}

INSTANTIATE_TEST_SUITE_P(Differences, PowerSumCorrection,
                         ::testing::Values(CorrectionCase{0.0, 3.0}, CorrectionCase{1.0, 2.625},
                                           CorrectionCase{20.5, 0.0}, CorrectionCase{21.0, 0.0},
                                           CorrectionCase{2.625, 15 / 8.0},   // at a threshold
                                           CorrectionCase{5.0, 1.25},       // 40 eighths: (-6 × -72 + 128) >> 8 = 2, + 8
                                           CorrectionCase{0.1, 3.0}));       // 0.8 eighths truncates to 0

TEST(PowerSum, EqualAndDistantValues) {
    EXPECT_DOUBLE_EQ(curves::powerSum(40.0, 40.0), 37.0);
    EXPECT_DOUBLE_EQ(curves::powerSum(40.0, 60.0), 40.0);
    EXPECT_DOUBLE_EQ(curves::powerSum(60.0, 40.0), 40.0);
}

TEST(Resample, OddGridInterpolatesTheOddIndexes) {
    const std::vector<double> grid{1, 2, 4, 5, 10};
    const auto out = curves::resampleOntoGrid({10, 20, 40}, grid);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_DOUBLE_EQ(out[0], 10);
    EXPECT_DOUBLE_EQ(out[1], 10 + (2 - 1) * (20 - 10) / 3.0);
    EXPECT_DOUBLE_EQ(out[2], 20);
    EXPECT_DOUBLE_EQ(out[3], 20 + (5 - 4) * (40 - 20) / 6.0);
    EXPECT_DOUBLE_EQ(out[4], 40);
}

TEST(Resample, EvenGridExtrapolatesTheLastPoint) {
    const std::vector<double> grid{1, 2, 3, 4, 5, 7};
    const auto out = curves::resampleOntoGrid({10, 20, 40}, grid);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_DOUBLE_EQ(out[3], 30);
    EXPECT_DOUBLE_EQ(out[5], (7 - 5) * (40 - 30) / (5 - 4.0) + 40);
}

TEST(Resample, ShortCurveEndsAtItsLastValue) {
    const std::vector<double> grid{1, 2, 3, 4, 5, 6, 7};
    const auto out = curves::resampleOntoGrid({10, 20}, grid);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_DOUBLE_EQ(out[2], 20);
    EXPECT_TRUE(curves::resampleOntoGrid({}, grid).empty());
}

TEST(PairCodes, CombinationsAndTheirReverses) {
    for (int k = 0; k < 6; ++k) {
        const auto forward = curves::pairsOfCode(k);
        const auto reverse = curves::pairsOfCode(k + 6);
        EXPECT_EQ(forward.first, reverse.second) << k;
        EXPECT_EQ(forward.second, reverse.first) << k;
    }
    EXPECT_EQ(curves::pairsOfCode(1).first, 2);  // "3,1"
    EXPECT_EQ(curves::pairsOfCode(5).second, 2); // "4,3"
}

TEST(DerivedValues, ReverseElfextAndAcrSubtractAttenuation) {
    const curves::PairValues a{1, 2, 3, 4};
    const curves::CombinationValues e{40, 41, 42, 43, 44, 45};
    const auto r = curves::reverseElfext(e, a);
    EXPECT_DOUBLE_EQ(r[0], 40 - (1 - 2));  // code 0: pairs 1,2
    EXPECT_DOUBLE_EQ(r[1], 41 - (3 - 1));  // code 1: pairs 3,1
    EXPECT_DOUBLE_EQ(r[5], 45 - (4 - 3));  // code 5: pairs 4,3
    const auto acr = curves::acr(e, a);
    EXPECT_DOUBLE_EQ(acr[1], 41 - 3);
    EXPECT_DOUBLE_EQ(acr[4], 44 - 2);
}

TEST(DerivedValues, PowerSumsCombineTheCombinationsOfEachPair) {
    const curves::CombinationValues next{40, 40, 60, 60, 60, 60};
    const auto ps = curves::powerSumNext(next);
    EXPECT_DOUBLE_EQ(ps[0], curves::powerSum(37.0, 60.0));  // codes 0, 1, 2
    EXPECT_DOUBLE_EQ(ps[3], curves::powerSum(curves::powerSum(60, 60), 60));
    const auto psAcr = curves::powerSumAcr(ps, {1, 2, 3, 4});
    EXPECT_DOUBLE_EQ(psAcr[3], ps[3] - 4);

    const curves::CombinationValues measured{10, 11, 12, 13, 14, 15};
    const curves::CombinationValues reverse{60, 61, 62, 63, 64, 65};
    const auto pse = curves::powerSumElfext(measured, reverse);
    EXPECT_DOUBLE_EQ(pse[0], curves::powerSum(curves::powerSum(60, 11), 62));
    EXPECT_DOUBLE_EQ(pse[1], curves::powerSum(curves::powerSum(10, 63), 64));
    EXPECT_DOUBLE_EQ(pse[2], curves::powerSum(curves::powerSum(61, 13), 15));
    EXPECT_DOUBLE_EQ(pse[3], curves::powerSum(curves::powerSum(12, 14), 65));
}

}  // namespace
