#include "regional_profile.h"

#include "profile.h"

namespace quillet {

Regional regionalFromProfile(const std::string &profileFile) {
    RegionalProfileValues values;
    values.decimal = readProfileString(profileFile, "intl", "sDecimal");
    values.dateOrder = readProfileString(profileFile, "intl", "iDate");
    values.dateSeparator = readProfileString(profileFile, "intl", "sDate");
    values.timeSeparator = readProfileString(profileFile, "intl", "sTime");
    return withProfileValues(regionalFromLocale(""), values);
}

void loadProgramRegional(const std::string &profileFile) { setProgramRegional(regionalFromProfile(profileFile)); }

}  // namespace quillet
