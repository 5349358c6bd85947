// What the certification report takes from the profile's "Options"
// section: the pass, fail and limit colours of the plug list, whether
// failing values are struck out on black-and-white printing, and the
// report title. Read without Qt, for the command-line tool; the site
// window holds the same values.
#pragma once

#include <cstdint>
#include <string>

namespace quillet::autotest {

struct ReportColours {
    std::uint32_t pass = 32768;     // 0x00BBGGRR
    std::uint32_t fail = 255;
    std::uint32_t limit = 8388608;
    bool strikeFailBW = false;
};

ReportColours readReportColours(const std::string &profilePath);
// "Options"/"Title", else "CERTIFICATION REPORT".
std::string readReportTitle(const std::string &profilePath);

}  // namespace quillet::autotest
