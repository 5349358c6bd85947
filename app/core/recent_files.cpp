#include "recent_files.h"

#include <algorithm>

namespace quillet {

std::string recentFileKey(int n) {
    return "File" + std::to_string(n);
}

std::vector<std::string> addRecentFile(std::vector<std::string> list, const std::string &path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
    return list;
}

}  // namespace quillet
