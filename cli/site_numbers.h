// The --sites option of the download commands: tester site numbers from 1,
// as "1,3", or "all".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet::cli {

// The listing lines whose site (0-based, as `siteOfLine` reads it) is
// named; every line for "all"; nothing when a number is below 1.
std::optional<std::vector<std::string>> linesOfSites(const std::vector<std::string> &lines, const std::string &sites,
                                                     int (*siteOfLine)(const std::string &));

}  // namespace quillet::cli
