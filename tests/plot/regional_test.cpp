// Regional settings: what a locale states, what the profile overrides, and
// the local date and time forms.
#include <gtest/gtest.h>

#include "regional.h"

using quillet::Regional;

namespace {

TEST(Regional, PlainLocalesGiveTheDefaults) {
    for (const char *name : {"C", "POSIX", "C.UTF-8"}) {
        const Regional r = quillet::regionalFromLocale(name);
        EXPECT_EQ(r.decimal, '.') << name;
        EXPECT_EQ(r.dateOrder, 1);
        EXPECT_EQ(r.dateSeparator, '/');
        EXPECT_EQ(r.timeSeparator, ':');
    }
}

struct FormatCase {
    const char *radix, *dateFormat, *timeFormat;
    char decimal;
    int order;
    char dateSeparator, timeSeparator;
};

class LocaleFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LocaleFormats, GiveOrderAndSeparators) {
    const FormatCase &c = GetParam();
    const Regional r = quillet::regionalFromFormats(c.radix, c.dateFormat, c.timeFormat);
    EXPECT_EQ(r.decimal, c.decimal);
    EXPECT_EQ(r.dateOrder, c.order);
    EXPECT_EQ(r.dateSeparator, c.dateSeparator);
    EXPECT_EQ(r.timeSeparator, c.timeSeparator);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleFormats,
                         ::testing::Values(FormatCase{",", "%d/%m/%Y", "%T", ',', 1, '/', ':'},
                                           FormatCase{".", "%m/%d/%Y", "%r", '.', 0, '/', ':'},
                                           FormatCase{",", "%d.%m.%Y", "%H:%M:%S", ',', 1, '.', ':'},
                                           FormatCase{".", "%Y-%m-%d", "%H.%M.%S", '.', 2, '-', '.'},
                                           FormatCase{".", "%e/%m/%y", "%H:%M", '.', 1, '/', ':'}));

TEST(Regional, ProfileValuesOverrideTheLocale) {
    quillet::RegionalProfileValues french;
    french.decimal = ",";
    french.dateOrder = "1";
    french.dateSeparator = ".";
    french.timeSeparator = "h";
    const Regional r = quillet::withProfileValues(Regional{}, french);
    EXPECT_EQ(r.decimal, ',');
    EXPECT_EQ(quillet::localDate("14/01/21", r), "14.01.21");
    EXPECT_EQ(quillet::localTime("09:05:30", r), "09h05h30");
    const Regional unchanged = quillet::withProfileValues(r, {});
    EXPECT_EQ(unchanged.decimal, ',');
}

struct DateCase {
    int order;
    char separator;
    const char *text;
};

class LocalDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(LocalDate, FollowsTheOrder) {
    Regional r;
    r.dateOrder = GetParam().order;
    r.dateSeparator = GetParam().separator;
    EXPECT_EQ(quillet::localDate("14/01/21", r), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Orders, LocalDate,
                         ::testing::Values(DateCase{0, '/', "01/14/21"}, DateCase{1, '/', "14/01/21"},
                                           DateCase{2, '-', "21-01-14"}, DateCase{7, '-', "14/01/21"}));

}  // namespace
