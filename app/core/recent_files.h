// The recent-file list of the File menu: ten names, the last opened first,
// kept in section "Recent File List", keys "File1".."File10".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillet {

inline constexpr const char *kRecentFileSection = "Recent File List";
inline constexpr std::size_t kRecentFileCount = 10;

std::string recentFileKey(int n);  // "File" + n, n from 1

// The list after `path` was opened: it moves (or comes) to the top.
std::vector<std::string> addRecentFile(std::vector<std::string> list, const std::string &path);

}  // namespace quillet
