// Per-curve statistics over the current window, the automatic scales and
// the graduations of an axis.
#pragma once

#include <vector>

#include "plot_document.h"
#include "plot_state.h"

namespace quillet::plot {

// Statistics of every filled slot (first and last index of the window,
// minimum, maximum, average, standard deviation).
void computeStatistics(const PlotDocument &document, PlotState &state);
void computeSlotStatistics(const PlotDocument &document, const PlotState &state, CurveSlot &slot);

// The global view: ranges of the abscissa and both scales from the
// statistics, the abscissa origin, the two-scale split; saved as the global
// window unless the view is zoomed (the zoomed window is kept).
void autoScale(const PlotDocument &document, PlotState &state);

// 1, 2 or 5 times a power of ten near (maximum - minimum) / divisions.
double graduationStep(Range range, int divisions);
// The graduations of an axis, 0 and its multiples first when the range
// holds 0; none for 0 divisions.
std::vector<double> graduations(Range range, int divisions);
// Date mode: minimum, quarter, middle, three-quarter and maximum.
std::vector<double> dateGraduations(Range range);

}  // namespace quillet::plot
