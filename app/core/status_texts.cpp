#include "status_texts.h"

#include <cstdio>

namespace quillet {
namespace {

constexpr std::size_t kPositionPaneWidth = 10;

}  // namespace

std::string linkPaneText(const std::string &portName, int32_t rate) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%5.5d", rate);
    return portName + ":" + digits;
}

std::string cutToPositionPane(const std::string &text) {
    return text.substr(0, kPositionPaneWidth);
}

std::string positionPaneText(long line) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld", line);
    return cutToPositionPane(text);
}

std::string positionPaneTextPadded(long line) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10ld", line);
    return cutToPositionPane(text);
}

}  // namespace quillet
