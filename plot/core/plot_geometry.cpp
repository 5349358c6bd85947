#include "plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace quillet::plot {
namespace {

constexpr double kTitleBottom = 1700;
constexpr double kPlotTop = 1660;
constexpr double kPlotBottom = 210;
constexpr double kPlotLeft = 440;
constexpr double kPlotRightOneScale = 2640;
constexpr double kPlotRightTwoScales = 2260;
constexpr double kCompactMargin = 4;

const Range &scaleRange(const PlotWindow &window, int scale) { return scale == 2 ? window.y2 : window.y1; }

}  // namespace

Point Rect::clamp(Point p) const { return {std::clamp(p.x, left, right), std::clamp(p.y, bottom, top)}; }

double PlotGeometry::toX(double abscissa) const { return std::floor(toXExact(abscissa) + 0.5); }

double PlotGeometry::toYExact(int scale, double value) const {
    const Range &range = scaleRange(window, scale);
    const double v = inverted ? range.maximum - value : value - range.minimum;
    const int i = scale == 2 ? 1 : 0;
    return v * yFactor[i] + yOrigin[i];
}

double PlotGeometry::toY(int scale, double value) const { return std::floor(toYExact(scale, value) + 0.5); }

double PlotGeometry::fromX(double x) const { return (x - xOrigin) / xFactor + window.x.minimum; }

double PlotGeometry::fromY(int scale, double y) const {
    const Range &range = scaleRange(window, scale);
    const int i = scale == 2 ? 1 : 0;
    const double v = (y - yOrigin[i]) / yFactor[i];
    return inverted ? range.maximum - v : v + range.minimum;
}

const Rect &PlotGeometry::band(Band which) const {
    switch (which) {
    case Band::Title: return titleBand;
    case Band::LeftScale: return leftBand;
    case Band::RightScale: return rightBand;
    case Band::Abscissa: return abscissaBand;
    case Band::Plot: break;
    }
    return plot;
}

PlotGeometry plotGeometry(const PlotState &state, bool compact) {
    PlotGeometry g;
    g.window = state.window;
    g.inverted = state.inverted;
    if (compact) {
        g.plot = {kCompactMargin, kCompactMargin, kLogicalWidth - kCompactMargin, kLogicalHeight - kCompactMargin};
    } else {
        const double right = state.twoScales ? kPlotRightTwoScales : kPlotRightOneScale;
        g.plot = {kPlotLeft, kPlotBottom, right, kPlotTop};
        g.titleBand = {0, kTitleBottom, kLogicalWidth, kLogicalHeight};
        g.leftBand = {0, 0, kPlotLeft, kTitleBottom};
        g.rightBand = {right, 0, kLogicalWidth, kTitleBottom};
        g.abscissaBand = {0, 0, kLogicalWidth, kPlotBottom};
    }
    const auto factor = [](double length, double span) { return span != 0 ? length / span : 1.0; };
    g.xFactor = factor(g.plot.width(), g.window.x.span());
    g.xOrigin = g.plot.left;
    g.yFactor[0] = factor(g.plot.height(), g.window.y1.span());
    g.yFactor[1] = factor(g.plot.height(), g.window.y2.span());
    g.yOrigin[0] = g.yOrigin[1] = g.plot.bottom;
    return g;
}

}  // namespace quillet::plot
