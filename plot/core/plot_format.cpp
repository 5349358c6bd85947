#include "plot_format.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "regional.h"

namespace quillet::plot {

std::string formatValue(const NumberFormat &format, double value, int precision) {
    if (precision == 6) return format.automatic(value, true);
    return format.fixed(value, 8, precision, true);
}

DateText formatDate(double seconds) {
    const auto when = static_cast<std::time_t>(std::floor(seconds));
    std::tm local{};
    localtime_r(&when, &local);
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", local.tm_mday % 100, (local.tm_mon + 1) % 100,
                  local.tm_year % 100);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour % 100, local.tm_min % 100, local.tm_sec % 100);
    const Regional &regional = programRegional();
    return {localDate(date, regional), localTime(time, regional)};
}

std::string formatAbscissa(const PlotDocument &document, const NumberFormat &format, double absolute, bool dateMode) {
    if (dateMode) {
        const DateText text = formatDate(absolute);
        return text.date + ' ' + text.time;
    }
    const int decimals = document.abscissaDecimals();
    if (decimals == 6) return format.automatic(absolute, true);
    return format.fixedTrimmed(absolute, 8, decimals, true);
}

}  // namespace quillet::plot
