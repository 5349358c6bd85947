#include "test_time.h"

#include <cstdio>
#include <ctime>

namespace quillet::model {

std::string testTimeText(std::uint32_t timeStamp, TimeForm form, const Regional &regional) {
    // Minutes are the nearest minute, not the truncated one.
    const std::uint32_t t = form == TimeForm::DateAndMinutes ? (timeStamp + 30) / 60 * 60 : timeStamp;
    const std::time_t seconds = static_cast<std::time_t>(t);
    std::tm local{};
    localtime_r(&seconds, &local);
    char date[48], time[48];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", local.tm_mday, local.tm_mon + 1, local.tm_year % 100);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    const std::string localDateText = localDate(date, regional);
    if (form == TimeForm::DateOnly) return localDateText;
    std::string timeText = localTime(time, regional);
    if (form == TimeForm::DateAndMinutes) timeText = timeText.substr(0, timeText.rfind(regional.timeSeparator));
    return localDateText + " " + timeText;
}

}  // namespace quillet::model
