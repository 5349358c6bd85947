// Limit curves in the tester's own form: evaluating one at a frequency with
// the tester's 16-bit arithmetic, and building one from a limit formula.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "standard.h"

namespace torvik::sim {

struct LimitAt {
    int32_t value = 0;        // 1/8 dB
    int32_t uncertainty = 0;  // 1/8 dB
};

// The limit at t (1/60 MHz): the first point at or above t, corrected along
// its slope; above the last point, the last point's value. The curve must
// hold at least one point.
LimitAt limitAt(const LimitCurve &curve, int32_t t);

// A curve through the given point frequencies (1/60 MHz, ascending) of a
// limit formula and its uncertainty (both dB, of the frequency in MHz).
// The shift is the largest that keeps every slope term inside 16 bits.
using DbOfMHz = std::function<double(double)>;
LimitCurve fitLimitCurve(const std::vector<uint16_t> &frequencies, const DbOfMHz &limit,
                         const DbOfMHz &uncertainty);

}  // namespace torvik::sim
