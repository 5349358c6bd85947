#include "comment_history.h"

#include <algorithm>

namespace quillet {

std::string commentKey(int n) {
    return "Comment" + std::to_string(n);
}

std::vector<std::string> pushComment(std::vector<std::string> history, const std::string &entered) {
    if (!entered.empty()) {
        history.erase(std::remove(history.begin(), history.end(), entered), history.end());
        history.insert(history.begin(), entered);
    }
    if (history.size() > kCommentHistorySize) history.resize(kCommentHistorySize);
    return history;
}

}  // namespace quillet
