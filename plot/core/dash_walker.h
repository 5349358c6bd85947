// Line styles on a monochrome device: a segment is walked in unit steps
// along its longer direction; the pattern advances on each step whose number
// is not a multiple of 4 and wraps; "-" draws and "." lifts the pen. The
// position carries over from one segment to the next.
#pragma once

#include <string_view>
#include <vector>

#include "plot_types.h"

namespace quillet::plot {

struct Segment {
    Point from, to;
};

class DashWalker {
public:
    explicit DashWalker(std::string_view pattern) : pattern_(pattern.empty() ? "-" : pattern) {}
    // The drawn pieces of the segment, pieces that touch merged.
    void walk(Point from, Point to, std::vector<Segment> &drawn);

private:
    std::string_view pattern_;
    std::size_t position_ = 0;
};

}  // namespace quillet::plot
