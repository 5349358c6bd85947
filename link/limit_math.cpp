// The two conversions the program does without the tester: a sweep point's
// frequency, and a limit curve's value and uncertainty at a frequency. The
// arithmetic follows the tester's own 16-bit integer forms bit for bit.
#include <cstdint>

#include "torvlink.h"

namespace {

// One sweep or curve frequency unit, 1/60 MHz, in kHz.
constexpr double kKHzPerUnit = 16.666666666666668;

int32_t unitsToKHz(int32_t units) { return static_cast<int32_t>(units * kKHzPerUnit); }

int16_t arithmeticShiftRight(int16_t value, int shift) {
    if (shift >= 16) return value < 0 ? -1 : 0;
    return static_cast<int16_t>(value >> shift);
}

// The limit between point k-1 and point k: the point's value, corrected
// along its slope by the distance d (≤ 0) from the point, with rounding.
int16_t limitValue(const LimitCurveRecord &point, int32_t t, int shift) {
    const auto d = static_cast<int16_t>(t - point.frequency);
    auto p = static_cast<int16_t>(d * static_cast<int16_t>(point.slope));
    p = arithmeticShiftRight(p, 8);
    if (shift > 0 && shift <= 16) p = static_cast<int16_t>(p + static_cast<int16_t>(1u << (shift - 1)));
    p = arithmeticShiftRight(p, shift);
    return static_cast<int16_t>(p + static_cast<int16_t>(point.value));
}

int16_t interpolatedAuxiliary(const LimitCurveRecord &previous, const LimitCurveRecord &point, int32_t t) {
    if (previous.frequency == point.frequency) return point.auxiliary;
    const double aux = point.auxiliary + (static_cast<double>(previous.auxiliary) - point.auxiliary) *
                                             (t - point.frequency) / (previous.frequency - point.frequency);
    return static_cast<int16_t>(aux);
}

}  // namespace

extern "C" {

int32_t TorvikSweepIdxToFrqKHz(const SweepSegment *segments, int32_t index) {
    if (!segments) return 0;
    int k = 3;
    for (int s = 0; s < 3; ++s) {
        if (segments[s].lastIndex >= index) {
            k = s;
            break;
        }
    }
    const int32_t local = k == 0 ? index : index - segments[k - 1].lastIndex - 1;
    const auto units = static_cast<uint16_t>(segments[k].step * static_cast<uint32_t>(local) + segments[k].start);
    return unitsToKHz(units);
}

int32_t TorvikGetGabValAtFrq(int32_t frequencyKHz, const LimitCurve *curve, int16_t *auxiliary,
                             int32_t *clampedKHz) {
    if (clampedKHz) *clampedKHz = 0;
    if (auxiliary) *auxiliary = 0;
    if (!curve) return 0;
    // The record count comes from the tester: keep it inside the curve.
    int32_t count = curve->records[0].frequency;
    if (count > TORVIK_LIMIT_RECORDS) count = TORVIK_LIMIT_RECORDS;
    if (count < 2) return 0;
    const int shift = curve->records[0].slope & 0xFF;

    auto t = static_cast<int32_t>(frequencyKHz * 0.06);
    int32_t k = 1;
    while (k < count - 1 && curve->records[k].frequency < t) ++k;
    if (curve->records[k].frequency < t) {  // above the last point: clamp
        t = curve->records[k].frequency;
        if (clampedKHz) *clampedKHz = unitsToKHz(t);
    }
    const LimitCurveRecord &point = curve->records[k];
    if (auxiliary)
        *auxiliary = k == 1 ? point.auxiliary : interpolatedAuxiliary(curve->records[k - 1], point, t);
    return limitValue(point, t, shift);
}

}  // extern "C"
