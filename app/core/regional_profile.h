// The regional settings the program runs with: the user's locale, with the
// profile's "intl" values ("sDecimal", "iDate", "sDate", "sTime") taking
// precedence where present.
#pragma once

#include <string>

#include "regional.h"

namespace quillet {

Regional regionalFromProfile(const std::string &profileFile);

// Reads them once and makes them the program's settings.
void loadProgramRegional(const std::string &profileFile);

}  // namespace quillet
