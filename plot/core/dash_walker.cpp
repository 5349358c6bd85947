#include "dash_walker.h"

#include <algorithm>
#include <cmath>

namespace quillet::plot {

void DashWalker::walk(Point from, Point to, std::vector<Segment> &drawn) {
    if (pattern_ == "-") {
        drawn.push_back({from, to});
        return;
    }
    const double dx = to.x - from.x, dy = to.y - from.y;
    const auto steps = static_cast<long>(std::ceil(std::max(std::fabs(dx), std::fabs(dy))));
    if (steps == 0) return;
    const auto at = [&](long step) {
        const double t = static_cast<double>(step) / static_cast<double>(steps);
        return Point{from.x + dx * t, from.y + dy * t};
    };
    long runStart = -1;
    for (long step = 0; step < steps; ++step) {
        const bool down = pattern_[position_] == '-';
        if (down && runStart < 0) runStart = step;
        if (!down && runStart >= 0) {
            drawn.push_back({at(runStart), at(step)});
            runStart = -1;
        }
        if (step % 4 != 0) position_ = (position_ + 1) % pattern_.size();
    }
    if (runStart >= 0) drawn.push_back({at(runStart), to});
}

}  // namespace quillet::plot
