// The number formats, with the point and with a comma as separator.
#include <gtest/gtest.h>

#include "number_format.h"

using quillet::NumberFormat;

namespace {

struct FixedCase {
    double value;
    int width;
    int decimals;
    const char *fixed;
    const char *trimmed;
    const char *trimmedNoBlanks;
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, WritesExactlyTheWidth) {
    const FixedCase &c = GetParam();
    const NumberFormat format;
    EXPECT_EQ(format.fixed(c.value, c.width, c.decimals), c.fixed);
    EXPECT_EQ(format.fixedTrimmed(c.value, c.width, c.decimals), c.trimmed);
    EXPECT_EQ(format.fixedTrimmed(c.value, c.width, c.decimals, true), c.trimmedNoBlanks);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedFormat,
    ::testing::Values(FixedCase{1234.5, 8, 3, "1234.500", "  1234.5", "1234.5"},
                      FixedCase{0.5, 4, 2, "0.50", " 0.5", "0.5"},
                      FixedCase{-0.5, 5, 2, "-0.50", " -0.5", "-0.5"},
                      FixedCase{2.0, 6, 2, "  2.00", "     2", "2"},
                      FixedCase{12345.6, 5, 1, "12346", "12346", "12346"},         // decimals give way
                      FixedCase{1234567.0, 5, 1, "*****", "*****", "*****"},      // nothing fits
                      FixedCase{123456789.0, 8, 3, "1.2346e8", "1.2346e8", "1.2346e8"},
                      FixedCase{-12345678.0, 8, 2, "-1.235e7", "-1.235e7", "-1.235e7"},
                      FixedCase{1e15, 8, 2, "1.000e15", "1.000e15", "1.000e15"}));

TEST(FixedFormat, DropsLeadingBlanksWhenAsked) {
    const NumberFormat format;
    EXPECT_EQ(format.fixed(3.25, 8, 2), "    3.25");
    EXPECT_EQ(format.fixed(3.25, 8, 2, true), "3.25");
}

struct AutomaticCase {
    double value;
    int decimals;
    const char *text;
};

class AutomaticFormat : public ::testing::TestWithParam<AutomaticCase> {};

TEST_P(AutomaticFormat, KeepsSevenSignificantDigitsInEightColumns) {
    EXPECT_EQ(quillet::automaticDecimals(GetParam().value), GetParam().decimals);
    EXPECT_EQ(NumberFormat().automatic(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, AutomaticFormat,
                         ::testing::Values(AutomaticCase{1.5, 6, "     1.5"},
                                           AutomaticCase{9.9999995, 5, "      10"},
                                           AutomaticCase{42.125, 5, "  42.125"},
                                           AutomaticCase{-42.125, 4, " -42.125"},
                                           AutomaticCase{-3.1415926, 5, "-3.14159"},
                                           AutomaticCase{999.5, 4, "   999.5"},
                                           AutomaticCase{12345.678, 2, "12345.68"},
                                           AutomaticCase{999999.9, 1, "999999.9"},
                                           AutomaticCase{999999.95, 0, " 1000000"},
                                           AutomaticCase{2500000.0, 0, " 2500000"}));

TEST(GeneralFormat, FollowsTheGTemplate) {
    const NumberFormat format;
    EXPECT_EQ(format.general(0.000012345, 3), "1.23E-05");
    EXPECT_EQ(format.general(123.456, 4), "123.5");
    EXPECT_EQ(format.general(100.0, 15), "100");
    EXPECT_EQ(format.general(1.5e20, 2), "1.5E+20");
}

TEST(Rounding, AddsItsOwnRoundingTerm) {
    EXPECT_DOUBLE_EQ(quillet::roundTo(2.34, 1, false), 2.3);
    // The threshold lies at 0.4444...: 23.445 + 0.5556 = 24.0006, 23.44 + 0.5556 = 23.9956.
    EXPECT_DOUBLE_EQ(quillet::roundTo(2.345, 1, false), 2.4);
    EXPECT_DOUBLE_EQ(quillet::roundTo(2.3445, 1, false), 2.4);
    EXPECT_DOUBLE_EQ(quillet::roundTo(2.344, 1, false), 2.3);
    EXPECT_DOUBLE_EQ(quillet::roundTo(-2.36, 1, true), -2.4);
    EXPECT_DOUBLE_EQ(quillet::roundTo(-2.36, 1, false), -2.4);
    EXPECT_DOUBLE_EQ(quillet::roundTo(-2.34, 1, false), -2.3);
}

TEST(Parse, ReadsNumbersAndRefusesLeftovers) {
    const NumberFormat format;
    EXPECT_DOUBLE_EQ(format.parse("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(format.parse(" -3e2 "), -300.0);
    EXPECT_DOUBLE_EQ(format.parse("+7"), 7.0);
    EXPECT_EQ(format.parse("12.5dB"), NumberFormat::kNotANumber);
    EXPECT_EQ(format.parse(""), NumberFormat::kNotANumber);
    EXPECT_EQ(format.parse("abc"), NumberFormat::kNotANumber);
}

TEST(CommaSeparator, EveryOutputUsesItAndParsingReadsItBack) {
    const NumberFormat french(',');
    EXPECT_EQ(french.fixed(1234.5, 8, 3), "1234,500");
    EXPECT_EQ(french.fixedTrimmed(0.5, 4, 2, true), "0,5");
    EXPECT_EQ(french.automatic(-42.125), " -42,125");
    EXPECT_EQ(french.general(0.000012345, 3), "1,23E-05");
    EXPECT_EQ(french.fixed(123456789.0, 8, 3), "1,2346e8");
    EXPECT_DOUBLE_EQ(french.parse("12,75"), 12.75);
}

}  // namespace
