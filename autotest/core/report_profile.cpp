#include "report_profile.h"

#include <charconv>

#include "profile.h"
#include "quillet_strings.h"

namespace quillet::autotest {
namespace {

// A decimal integer as the profile stores it; `fallback` when missing or
// not a number.
long readNumber(const std::string &path, const char *key, long fallback) {
    const auto text = readProfileString(path, "Options", key);
    if (!text) return fallback;
    long value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    return error == std::errc() && end != text->data() ? value : fallback;
}

}  // namespace

ReportColours readReportColours(const std::string &profilePath) {
    ReportColours colours;
    colours.pass = static_cast<std::uint32_t>(readNumber(profilePath, "PassColor", colours.pass));
    colours.fail = static_cast<std::uint32_t>(readNumber(profilePath, "FailColor", colours.fail));
    colours.limit = static_cast<std::uint32_t>(readNumber(profilePath, "LimitColor", colours.limit));
    colours.strikeFailBW = readNumber(profilePath, "StrikeFailBW", 0) != 0;
    return colours;
}

std::string readReportTitle(const std::string &profilePath) {
    return readProfileString(profilePath, "Options", "Title").value_or(resourceString(211));
}

}  // namespace quillet::autotest
