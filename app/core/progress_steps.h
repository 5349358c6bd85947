// The arithmetic of the progress dialog: where the bar stands after each
// step and what its percentage label says.
#pragma once

#include <string>

namespace quillet {

struct ProgressRange {
    int lower = 0;
    int upper = 100;
    int step = 10;
};

// "(position - lower) * 100 / (upper - lower)" percent, integer division,
// taken modulo 100 unless exactly 100, written "%d%c" ("20%"). An empty
// range counts as complete.
std::string progressPercentText(const ProgressRange &range, int position);

}  // namespace quillet
