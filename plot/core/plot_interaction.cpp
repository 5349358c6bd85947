// Markers, mouse, keys and zoom of a plot.
#include <algorithm>
#include <cmath>
#include <limits>

#include "plot_format.h"
#include "plot_layout.h"
#include "plot_model.h"
#include "plot_scales.h"

namespace quillet::plot {
namespace {

constexpr double kKeyStep = 5;

Rect normalised(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A window narrower than a ten-thousandth of the global one is widened to
// that width about its centre and kept inside the global window.
Range widenWithin(Range range, Range global) {
    const double least = global.span() / 10000;
    if (range.span() >= least) return range;
    const double centre = (range.minimum + range.maximum) / 2;
    range = {centre - least / 2, centre + least / 2};
    if (range.minimum < global.minimum) range = {global.minimum, global.minimum + least};
    if (range.maximum > global.maximum) range = {global.maximum - least, global.maximum};
    return range;
}

}  // namespace

void PlotModel::toggleXMarker() {
    if (state_.marker == MarkerMode::X) {
        state_.marker = MarkerMode::Off;
        return;
    }
    state_.marker = MarkerMode::X;
    const int reference = state_.referenceSlot();
    if (reference < state_.filledCount()) {
        const CurveSlot &curve = slot(reference);
        state_.markerIndex = std::clamp(state_.markerIndex, curve.first, std::max(curve.first, curve.last));
    }
}

void PlotModel::toggleFreeMarker() {
    if (state_.marker == MarkerMode::Free) {
        state_.marker = MarkerMode::Off;
        return;
    }
    state_.marker = MarkerMode::Free;
    const Rect plot = geometry().plot;
    state_.freePoint = {(plot.left + plot.right) / 2, (plot.bottom + plot.top) / 2};
}

FixedMarkerResult PlotModel::addFixedMarker() {
    if (state_.marker != MarkerMode::X || !hasCurves()) return FixedMarkerResult::NoXMarker;
    const auto free = std::find_if(state_.fixedMarkers.begin(), state_.fixedMarkers.end(),
                                   [](const FixedMarker &m) { return !m.used(); });
    if (free == state_.fixedMarkers.end()) return FixedMarkerResult::AllUsed;
    FixedMarker marker;
    marker.number = static_cast<int>(free - state_.fixedMarkers.begin()) + 1;
    const int index = state_.markerIndex;
    const bool xy = state_.abscissaCurve >= 0;
    if (xy) {
        const CurveSlot &abscissa = slot(state_.abscissaCurve);
        std::string text;
        if (document_->GetDocIiemeValeurVoie(abscissa.channel, index, marker.abscissa, state_.abscissaCurve, &text) < 0) {
            return FixedMarkerResult::NoValue;
        }
        marker.label = "x= " + text + " " + abscissa.unit;
    } else {
        if (!slotAbscissa(*document_, state_, state_.referenceSlot(), index, marker.abscissa)) return FixedMarkerResult::NoValue;
        marker.label = formatAbscissa(*document_, format_, marker.abscissa, state_.dateAbscissa);
        if (!state_.dateAbscissa) marker.label += " " + document_->abscissaUnit();
    }
    for (int s = 0; s < state_.filledCount(); ++s) {
        const CurveSlot &curve = slot(s);
        if (!curve.visible || s == state_.abscissaCurve) continue;
        int at = index;
        if (!xy) {
            Bracket bracket;
            if (document_->GetDocBornesVoieAtDate(curve.channel, marker.abscissa, bracket) < 0) continue;
            at = bracket.beforeIndex;
        }
        double value = 0;
        std::string text;
        if (document_->GetDocIiemeValeurVoie(curve.channel, at, value, s, &text) < 0) continue;
        if (text.empty()) text = formatValue(format_, value, curve.precision);
        marker.lines.push_back({text, curve.colour});
    }
    *free = std::move(marker);
    return FixedMarkerResult::Added;
}

void PlotModel::clearFixedMarkers() { state_.fixedMarkers = {}; }

int PlotModel::nearestSample(double logicalX) const {
    const int reference = state_.referenceSlot();
    if (reference >= state_.filledCount()) return 0;
    const CurveSlot &curve = state_.curves[static_cast<std::size_t>(reference)];
    const PlotGeometry g = geometry();
    const double wanted = g.fromX(logicalX);
    int best = curve.first;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = curve.first; i <= curve.last; ++i) {
        double abscissa = 0;
        if (!slotAbscissa(*document_, state_, reference, i, abscissa)) continue;
        const double distance = std::fabs(abscissa - (state_.abscissaCurve >= 0 ? 0 : state_.origin) - wanted);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

bool PlotModel::pressAt(Point logical) {
    const Point p = geometry().plot.clamp(logical);
    if (state_.marker == MarkerMode::Off) toggleFreeMarker();
    if (state_.marker == MarkerMode::X) {
        state_.markerIndex = nearestSample(p.x);
    } else {
        state_.anchor = state_.freePoint = p;
        state_.zoomRect.reset();
    }
    state_.dragging = true;
    return true;
}

bool PlotModel::dragTo(Point logical, bool shift) {
    if (!state_.dragging) return false;
    const Point p = geometry().plot.clamp(logical);
    if (state_.marker == MarkerMode::X) {
        state_.markerIndex = nearestSample(p.x);
    } else if (state_.marker == MarkerMode::Free) {
        state_.freePoint = p;
        if (shift) state_.zoomRect = normalised(state_.anchor, p);
    }
    return true;
}

bool PlotModel::release() {
    if (!state_.dragging) return false;
    state_.dragging = false;
    if (state_.zoomRect && state_.zoomRect->width() > 0 && state_.zoomRect->height() > 0) zoomOnRectangle();
    return true;
}

bool PlotModel::stepHorizontal(int direction, bool shift) {
    if (state_.marker == MarkerMode::X) {
        const int reference = state_.referenceSlot();
        if (reference >= state_.filledCount()) return false;
        const CurveSlot &curve = slot(reference);
        const int next = state_.markerIndex + direction;
        if (next < curve.first || next > curve.last) return false;
        state_.markerIndex = next;
        return true;
    }
    if (state_.marker == MarkerMode::Free) {
        if (shift && !state_.zoomRect) state_.anchor = state_.freePoint;
        state_.freePoint = geometry().plot.clamp({state_.freePoint.x + kKeyStep * direction, state_.freePoint.y});
        if (shift) state_.zoomRect = normalised(state_.anchor, state_.freePoint);
        return true;
    }
    if (direction > 0) {
        toggleFreeMarker();
        return true;
    }
    return false;
}

bool PlotModel::stepVertical(int direction, bool shift) {
    if (state_.marker == MarkerMode::Free) {
        if (shift && !state_.zoomRect) state_.anchor = state_.freePoint;
        state_.freePoint = geometry().plot.clamp({state_.freePoint.x, state_.freePoint.y + kKeyStep * direction});
        if (shift) state_.zoomRect = normalised(state_.anchor, state_.freePoint);
        return true;
    }
    if (!hasCurves()) return false;
    selectNextCurve(-direction);
    return true;
}

bool PlotModel::eraseRectangle() {
    const bool had = state_.zoomRect.has_value();
    state_.zoomRect.reset();
    return had;
}

ZoomResult PlotModel::zoomOnRectangle() {
    if (!state_.zoomRect) return ZoomResult::NothingDrawn;
    const Rect r = *state_.zoomRect;
    const PlotGeometry g = geometry();
    PlotWindow window = state_.window;
    window.x = widenWithin({g.fromX(r.left), g.fromX(r.right)}, state_.global.x);
    const double a = g.fromY(1, r.bottom), b = g.fromY(1, r.top);
    window.y1 = widenWithin({std::min(a, b), std::max(a, b)}, state_.global.y1);
    if (state_.twoScales) {
        const PlotWindow &global = state_.global;
        const double span1 = global.y1.span();
        const double slope = span1 != 0 ? global.y2.span() / span1 : 1;
        const double offset = global.y2.maximum - slope * global.y1.maximum;
        window.y2 = {slope * window.y1.minimum + offset, slope * window.y1.maximum + offset};
    }
    state_.window = window;
    afterWindowChange();
    return ZoomResult::Zoomed;
}

}  // namespace quillet::plot
