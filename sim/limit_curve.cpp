#include "limit_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace torvik::sim {

namespace {

int16_t toInt16(int32_t v)
{
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}

// The tester's slope term: (d * slope) kept to 16 bits, shifted right by 8,
// rounded and shifted right by `shift`.
int32_t slopeTerm(int32_t d, int16_t slope, uint8_t shift)
{
    int16_t p = toInt16(d * slope);
    p = static_cast<int16_t>(p >> 8);
    if (shift > 0)
        p = toInt16(p + (1 << (shift - 1)));
    return static_cast<int16_t>(p >> std::min<int>(shift, 15));
}

int16_t eighths(double dB)
{
    return static_cast<int16_t>(std::lround(dB * 8.0));
}

// Slopes that reach the previous point's value at its frequency.
std::vector<int32_t> idealSlopes(const std::vector<LimitPoint> &points, uint8_t shift)
{
    std::vector<int32_t> slopes(points.size(), 0);
    for (std::size_t k = 1; k < points.size(); ++k) {
        const double span = points[k].frequency - points[k - 1].frequency;
        const double rise = points[k].value - points[k - 1].value;
        slopes[k] = static_cast<int32_t>(std::lround(rise * std::ldexp(1.0, 8 + shift) / span));
    }
    return slopes;
}

bool fitsSixteenBits(const std::vector<LimitPoint> &points, const std::vector<int32_t> &slopes)
{
    for (std::size_t k = 1; k < points.size(); ++k) {
        const int32_t span = points[k].frequency - points[k - 1].frequency;
        if (std::abs(slopes[k]) > 32767 || std::abs(slopes[k]) * span > 32767)
            return false;
    }
    return true;
}

}  // namespace

LimitAt limitAt(const LimitCurve &curve, int32_t t)
{
    const auto &points = curve.points;
    std::size_t k = 0;
    while (k + 1 < points.size() && points[k].frequency < t)
        ++k;
    const LimitPoint &point = points[k];
    t = std::min<int32_t>(t, point.frequency);
    LimitAt at;
    at.value = static_cast<int16_t>(slopeTerm(t - point.frequency, point.slope, curve.shift) + point.value);
    if (k == 0 || points[k - 1].frequency == point.frequency) {
        at.uncertainty = point.uncertainty;
    } else {
        const LimitPoint &previous = points[k - 1];
        const double share = double(t - point.frequency) / (previous.frequency - point.frequency);
        at.uncertainty = static_cast<int32_t>(point.uncertainty + (previous.uncertainty - point.uncertainty) * share);
    }
    return at;
}

LimitCurve fitLimitCurve(const std::vector<uint16_t> &frequencies, const DbOfMHz &limit,
                         const DbOfMHz &uncertainty)
{
    LimitCurve curve;
    for (const uint16_t f : frequencies) {
        const double mhz = f / 60.0;
        const auto aux = std::clamp<long>(std::lround(uncertainty(mhz) * 8.0), 0, 255);
        curve.points.push_back({f, 0, eighths(limit(mhz)), static_cast<uint8_t>(aux)});
    }
    for (int shift = 7; shift >= 0; --shift) {
        const auto slopes = idealSlopes(curve.points, static_cast<uint8_t>(shift));
        if (shift == 0 || fitsSixteenBits(curve.points, slopes)) {
            curve.shift = static_cast<uint8_t>(shift);
            for (std::size_t k = 1; k < slopes.size(); ++k)
                curve.points[k].slope = static_cast<int16_t>(std::clamp(slopes[k], -32767, 32767));
            break;
        }
    }
    return curve;
}

}  // namespace torvik::sim
