// The history of the comment dialog (section "Commentaires", keys
// "Comment1".."Comment8"), newest first.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillet {

inline constexpr const char *kCommentSection = "Commentaires";
inline constexpr std::size_t kCommentHistorySize = 8;

// "Comment" followed by n (1..8).
std::string commentKey(int n);

// The history after `entered` was confirmed: an empty text changes nothing;
// otherwise every equal entry goes and the text comes first; at most eight.
std::vector<std::string> pushComment(std::vector<std::string> history, const std::string &entered);

}  // namespace quillet
