// The presentation of a site's or plug's test time: "DD/MM/YY HH:MM:SS" in
// the local time zone, adapted to the user's date order and separators.
#pragma once

#include <cstdint>
#include <string>

#include "regional.h"

namespace quillet::model {

enum class TimeForm { DateAndTime, DateAndMinutes, DateOnly };

std::string testTimeText(std::uint32_t timeStamp, TimeForm form, const Regional &regional);

}  // namespace quillet::model
