#include "progress_steps.h"

#include <cstdio>

namespace quillet {

std::string progressPercentText(const ProgressRange &range, int position) {
    const long span = static_cast<long>(range.upper) - range.lower;
    long percent = span == 0 ? 100 : (static_cast<long>(position) - range.lower) * 100 / span;
    if (percent != 100) percent %= 100;
    char text[32];
    std::snprintf(text, sizeof text, "%ld%c", percent, '%');
    return text;
}

}  // namespace quillet
