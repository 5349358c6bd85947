// Where things lie in the 2700 × 1800 logical space (y upwards) and the
// transform between plot values and logical units.
#pragma once

#include "plot_state.h"

namespace quillet::plot {

enum class Band { Title, LeftScale, RightScale, Abscissa, Plot };

struct PlotGeometry {
    Rect plot;  // the plot area
    Rect titleBand, leftBand, rightBand, abscissaBand;
    PlotWindow window;
    bool inverted = false;
    double xFactor = 1, xOrigin = 0;
    double yFactor[2] = {1, 1}, yOrigin[2] = {0, 0};

    // Logical x of an abscissa relative to the origin; logical y of a value
    // of scale 1 or 2 (floor(... + 0.5), as every drawing rounds).
    double toX(double abscissa) const;
    double toY(int scale, double value) const;
    // The same without rounding, for long curves that must not jitter.
    double toXExact(double abscissa) const { return (abscissa - window.x.minimum) * xFactor + xOrigin; }
    double toYExact(int scale, double value) const;
    double fromX(double x) const;
    double fromY(int scale, double y) const;
    const Rect &band(Band which) const;
};

// The bands and the transform of a plot: with `compact` the plot area
// takes the whole space (small plots of a report, which write their own
// labels around it).
PlotGeometry plotGeometry(const PlotState &state, bool compact = false);

}  // namespace quillet::plot
