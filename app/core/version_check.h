// This program's version and the check against the minimum versions a
// tester asks for.
#pragma once

#include <string>

namespace quillet {

inline constexpr const char *kProductName = "Quillet";
inline constexpr const char *kProductVersion = "D.06";

// Recent enough when own ≥ release minimum and own < "Z.00", or own ≥ the
// test minimum, by plain byte-wise order: test builds (from Z.00 on) are
// judged against the test minimum, releases against the release minimum.
bool isRecentEnough(const std::string &own, const std::string &releaseMinimum,
                    const std::string &testMinimum);

}  // namespace quillet
