// The profile's "intl" values over the locale: a French setting turns every
// separator of the numbers and dates into its own.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "number_format.h"
#include "regional_profile.h"

namespace {

TEST(RegionalProfile, IntlSectionOverridesTheLocale) {
    const auto path = std::filesystem::temp_directory_path() / ("intl-" + std::to_string(::getpid()) + ".ini");
    {
        std::ofstream ini(path);
        ini << "[CommunicationD01]\nParameters=\"1,38400,n,8,1,n\"\n[intl]\nsDecimal=,\niDate=2\nsDate=-\nsTime=.\n";
    }
    const quillet::Regional r = quillet::regionalFromProfile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(r.decimal, ',');
    EXPECT_EQ(quillet::localDate("14/01/21", r), "21-01-14");
    EXPECT_EQ(quillet::localTime("09:05:30", r), "09.05.30");
    EXPECT_EQ(quillet::NumberFormat(r.decimal).fixed(1234.5, 8, 3), "1234,500");
}

TEST(RegionalProfile, NoProfileKeepsTheLocalesValues) {
    setenv("LC_ALL", "C", 1);
    const quillet::Regional r = quillet::regionalFromProfile("/nonexistent/Quillet.ini");
    EXPECT_EQ(r.decimal, '.');
    EXPECT_EQ(r.dateOrder, 1);
    EXPECT_EQ(r.dateSeparator, '/');
}

}  // namespace
