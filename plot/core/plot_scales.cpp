#include "plot_scales.h"

#include <algorithm>
#include <cmath>

namespace quillet::plot {
namespace {

constexpr double kFloatMax = 3.4028234663852886e38;
constexpr double kLongMax = 2147483647.0;

struct Accumulator {
    double minimum = kFloatMax, maximum = -kFloatMax, sum = 0, squares = 0;
    bool any = false;
    void add(double v) {
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
        sum += v;
        squares += v * v;
        any = true;
    }
};

// The window's index range of a slot: from the document's bracketing
// lookups when zoomed on the document's abscissa, else every value. The
// first index is the first sample at or right of the window's left edge,
// the last the last sample at or left of its right edge.
void windowIndexes(const PlotDocument &document, const PlotState &state, CurveSlot &slot) {
    slot.first = 0;
    slot.last = slot.count - 1;
    if (state.abscissaCurve >= 0 || !state.zoomed || slot.count <= 0) return;
    Bracket left, right;
    if (document.GetDocBornesVoieAtDate(slot.channel, state.window.x.minimum + state.origin, left) == 0) {
        slot.first = left.afterIndex;
    }
    const double rightEdge = state.window.x.maximum + state.origin;
    if (document.GetDocBornesVoieAtDate(slot.channel, rightEdge, right) == 0) {
        slot.last = right.afterX <= rightEdge ? right.afterIndex : right.beforeIndex;
    }
    slot.first = std::clamp(slot.first, 0, slot.count - 1);
    slot.last = std::clamp(slot.last, 0, slot.count - 1);
}

void widen(Range &range) {
    if (range.minimum == range.maximum) {
        if (range.minimum == 0) {
            range = {-0.1, 0.1};
        } else {
            const double v = range.minimum;
            range = {v - 0.1 * std::fabs(v), v + 0.1 * std::fabs(v)};
        }
    }
}

}  // namespace

int PlotState::filledCount() const {
    int n = 0;
    while (n < kSlotCount && curves[static_cast<std::size_t>(n)].filled()) ++n;
    return n;
}

bool PlotState::anyFixedMarker() const {
    return std::any_of(fixedMarkers.begin(), fixedMarkers.end(), [](const FixedMarker &m) { return m.used(); });
}

void computeSlotStatistics(const PlotDocument &document, const PlotState &state, CurveSlot &slot) {
    windowIndexes(document, state, slot);
    Accumulator acc;
    int count = 0;  // values read: one that cannot be read does not pull the average down
    constexpr int kBlock = 2048;
    double values[kBlock];
    unsigned char read[kBlock];
    for (int i = slot.first; i <= slot.last; i += kBlock) {
        const int n = std::min(kBlock, slot.last - i + 1);
        document.readValues(slot.channel, i, n, values, read);
        for (int k = 0; k < n; ++k) {
            if (!read[k]) continue;
            acc.add(values[k]);
            ++count;
        }
    }
    slot.minimum = acc.any ? acc.minimum : -1;
    slot.maximum = acc.any ? acc.maximum : 1;
    slot.average = count > 0 ? acc.sum / count : 0;
    const double variance = count > 0 ? (acc.squares - count * slot.average * slot.average) / count : 0;
    slot.deviation = std::sqrt(std::max(0.0, variance));
}

void computeStatistics(const PlotDocument &document, PlotState &state) {
    for (int s = 0; s < state.filledCount(); ++s) {
        computeSlotStatistics(document, state, state.curves[static_cast<std::size_t>(s)]);
    }
}

void autoScale(const PlotDocument &document, PlotState &state) {
    state.scale1Empty = state.scale2Empty = true;
    Range x{kLongMax, -kLongMax};
    Range y1{kFloatMax, -kFloatMax}, y2 = y1;
    state.dateAbscissa = false;
    for (int s = 0; s < state.filledCount(); ++s) {
        const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        if (slot.count <= 0) continue;
        for (const int index : {0, slot.count - 1}) {
            double a = 0;
            int isDate = 0;
            if (document.GetDocIiemeDateVoie(slot.channel, index, a, isDate) < 0) continue;
            state.dateAbscissa = isDate != 0;
            x.minimum = std::min(x.minimum, a);
            x.maximum = std::max(x.maximum, a);
        }
        if (s == state.abscissaCurve) continue;
        (slot.scale == 2 ? state.scale2Empty : state.scale1Empty) = false;
        Range &range = slot.scale == 2 ? y2 : y1;
        range.minimum = std::min(range.minimum, slot.minimum);
        range.maximum = std::max(range.maximum, slot.maximum);
    }
    state.origin = 0;
    if (state.abscissaCurve >= 0) {
        const CurveSlot &abscissa = state.curves[static_cast<std::size_t>(state.abscissaCurve)];
        x = {abscissa.minimum, abscissa.maximum};
    } else if (x.minimum <= x.maximum) {
        state.origin = x.minimum;
        x = {0, x.maximum - x.minimum};
    }
    for (Range *range : {&x, &y1, &y2}) widen(*range);
    if (state.scale1Empty && state.scale2Empty) x = {0, 1};
    if (state.scale1Empty) y1 = {0, 1};
    if (state.scale2Empty) y2 = {0, 1};
    if (state.zoomed) return;
    if (state.twoScales) {
        const double span1 = y1.span(), span2 = y2.span();
        y1.minimum -= 1.1 * span1;
        y2.maximum += 1.1 * span2;
    }
    state.window = state.global = {x, y1, y2};
}

double graduationStep(Range range, int divisions) {
    double raw = divisions > 0 ? range.span() / divisions : 0;
    if (raw == 0) raw = 1;
    const double logStep = std::log10(std::fabs(raw));
    const double whole = std::trunc(logStep);
    double fraction = logStep - whole;
    double sign = 1;
    if (fraction < 0) {
        sign = -1;
        fraction = -fraction;
    }
    const double log2 = std::log10(2.0), log5 = std::log10(5.0);
    if (fraction < log2 / 2) {
        fraction = 0;
    } else if (fraction < (log2 + log5) / 2) {
        fraction = log2;
    } else if (fraction < (log5 + 1) / 2) {
        fraction = log5;
    } else {
        fraction = 1;
    }
    // Written as a multiple of a power of ten so that 0.2 and 5 come out exact.
    const double exponent = sign * fraction + whole;
    const double mantissa = std::round(std::pow(10.0, exponent - std::floor(exponent + 1e-9)));
    return mantissa * std::pow(10.0, std::floor(exponent + 1e-9));
}

std::vector<double> graduations(Range range, int divisions) {
    std::vector<double> ticks;
    if (divisions <= 0) return ticks;
    const double step = graduationStep(range, divisions);
    if (!std::isfinite(step) || !std::isfinite(range.span()) || range.span() / step > 1000) return ticks;
    const double top = std::floor(range.maximum / step + 0.5);
    if (range.minimum > 0 || range.maximum < 0) {
        for (double k = std::ceil(range.minimum / step); k <= top; ++k) ticks.push_back(k * step);
    } else {
        for (double k = 0; k <= top; ++k) ticks.push_back(k * step);
        for (double k = std::ceil(range.minimum / step); k <= -1; ++k) ticks.push_back(k * step);
    }
    return ticks;
}

std::vector<double> dateGraduations(Range range) {
    const double span = range.span();
    return {range.minimum, range.minimum + span / 4, range.minimum + span / 2, range.minimum + 3 * span / 4,
            range.maximum};
}

}  // namespace quillet::plot
