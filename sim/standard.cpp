#include "standard.h"

namespace torvik::sim {

int32_t Standard::sweepPoints() const
{
    return sweep.empty() ? 0 : sweep.back().lastIndex + 1;
}

uint16_t Standard::sweepFrequency(int32_t index) const
{
    int32_t firstIndex = 0;
    for (const SweepSegment &segment : sweep) {
        if (index <= segment.lastIndex)
            return static_cast<uint16_t>(segment.start + segment.step * (index - firstIndex));
        firstIndex = segment.lastIndex + 1;
    }
    return 0;
}

}  // namespace torvik::sim
