#include "site_numbers.h"

#include <cstdlib>
#include <set>
#include <sstream>

namespace quillet::cli {

std::optional<std::vector<std::string>> linesOfSites(const std::vector<std::string> &lines, const std::string &sites,
                                                     int (*siteOfLine)(const std::string &)) {
    if (sites == "all") return lines;
    std::set<int> wanted;
    std::stringstream list(sites);
    for (std::string item; std::getline(list, item, ',');) {
        const int number = std::atoi(item.c_str());
        if (number < 1) return std::nullopt;
        wanted.insert(number);
    }
    std::vector<std::string> chosen;
    for (const auto &line : lines) {
        if (wanted.count(siteOfLine(line) + 1)) chosen.push_back(line);
    }
    return chosen;
}

}  // namespace quillet::cli
