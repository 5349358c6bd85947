#include "regional.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <langinfo.h>
#include <locale.h>

namespace quillet {
namespace {

// The order of day, month and year in a date format such as "%d.%m.%Y",
// and the character between its first two fields.
void readDateFormat(const char *format, Regional &out) {
    char fields[3] = {};
    int count = 0;
    char separator = '\0';
    for (const char *p = format; *p && count < 3; ++p) {
        if (*p == '%' && p[1]) {
            const char f = p[1] == 'E' || p[1] == 'O' ? p[2] : p[1];
            if (f == 'd' || f == 'e' || f == 'm' || f == 'y' || f == 'Y') fields[count++] = f;
            p += (p[1] == 'E' || p[1] == 'O') ? 2 : 1;
        } else if (count == 1 && separator == '\0') {
            separator = *p;
        }
    }
    if (count < 3) return;
    if (fields[0] == 'm') out.dateOrder = 0;
    else if (fields[0] == 'y' || fields[0] == 'Y') out.dateOrder = 2;
    else out.dateOrder = 1;
    if (separator != '\0') out.dateSeparator = separator;
}

void readTimeFormat(const char *format, Regional &out) {
    const char *first = std::strchr(format, '%');
    if (first && first[1] && first[2] && first[2] != '%') out.timeSeparator = first[2];
}

// The locale the environment names for dates and numbers.
std::string effectiveLocaleName(const char *localeName) {
    if (localeName && *localeName) return localeName;
    for (const char *variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        if (const char *value = std::getenv(variable); value && *value) return value;
    }
    return "C";
}

bool isPlainLocale(const std::string &name) {
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

}  // namespace

Regional regionalFromFormats(const char *radix, const char *dateFormat, const char *timeFormat) {
    Regional regional;
    if (radix && radix[0] && !radix[1]) regional.decimal = radix[0];
    if (dateFormat) readDateFormat(dateFormat, regional);
    if (timeFormat) readTimeFormat(timeFormat, regional);
    return regional;
}

Regional regionalFromLocale(const char *localeName) {
    const std::string name = effectiveLocaleName(localeName);
    if (isPlainLocale(name)) return {};
    locale_t locale = newlocale(LC_ALL_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (!locale) return {};
    Regional regional = regionalFromFormats(nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(D_FMT, locale),
                                            nl_langinfo_l(T_FMT, locale));
    freelocale(locale);
    return regional;
}

Regional withProfileValues(Regional base, const RegionalProfileValues &values) {
    if (values.decimal && !values.decimal->empty()) base.decimal = (*values.decimal)[0];
    if (values.dateOrder) base.dateOrder = std::atoi(values.dateOrder->c_str());
    if (values.dateSeparator && !values.dateSeparator->empty()) base.dateSeparator = (*values.dateSeparator)[0];
    if (values.timeSeparator && !values.timeSeparator->empty()) base.timeSeparator = (*values.timeSeparator)[0];
    return base;
}

namespace {
std::optional<Regional> &programSettings() {
    static std::optional<Regional> settings;
    return settings;
}
}  // namespace

const Regional &programRegional() {
    auto &settings = programSettings();
    if (!settings) settings = regionalFromLocale("");
    return *settings;
}

void setProgramRegional(const Regional &regional) { programSettings() = regional; }

std::string localDate(const std::string &ddmmyy, const Regional &regional) {
    if (ddmmyy.size() < 8) return ddmmyy;
    const std::string dd = ddmmyy.substr(0, 2), mm = ddmmyy.substr(3, 2), yy = ddmmyy.substr(6, 2);
    const std::string s(1, regional.dateSeparator);
    switch (regional.dateOrder) {
    case 0: return mm + s + dd + s + yy;
    case 1: return dd + s + mm + s + yy;
    case 2: return yy + s + mm + s + dd;
    default: return ddmmyy;
    }
}

std::string localTime(const std::string &hhmmss, const Regional &regional) {
    std::string text = hhmmss;
    for (char &c : text) {
        if (c == ':') c = regional.timeSeparator;
    }
    return text;
}

}  // namespace quillet
