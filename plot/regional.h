// The user's regional settings: decimal separator, date order and the date
// and time separators. The program reads them once at start and keeps them.
#pragma once

#include <optional>
#include <string>

namespace quillet {

struct Regional {
    char decimal = '.';
    int dateOrder = 1;  // 0 month first, 1 day first, 2 year first
    char dateSeparator = '/';
    char timeSeparator = ':';
};

// The values of a locale (as named by the environment, "" for the user's);
// the C and POSIX locales, and any that cannot be loaded, give the defaults.
Regional regionalFromLocale(const char *localeName);

// The values a locale states: its radix character and its date and time
// formats, such as "," "%d.%m.%Y" "%H:%M:%S".
Regional regionalFromFormats(const char *radix, const char *dateFormat, const char *timeFormat);

// Profile values override the locale's where present ("sDecimal", "iDate",
// "sDate", "sTime" of the "intl" section; the first character counts).
struct RegionalProfileValues {
    std::optional<std::string> decimal, dateOrder, dateSeparator, timeSeparator;
};
Regional withProfileValues(Regional base, const RegionalProfileValues &values);

// The settings the program runs with: read once (from the environment's
// locale unless the program set them first) and kept for the run.
const Regional &programRegional();
void setProgramRegional(const Regional &regional);

// "DD/MM/YY" in the user's order and separator; other orders than 0..2
// leave the text as it is.
std::string localDate(const std::string &ddmmyy, const Regional &regional);
// "HH:MM:SS" with the user's time separator.
std::string localTime(const std::string &hhmmss, const Regional &regional);

}  // namespace quillet
