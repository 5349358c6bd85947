// The layout of a whole plot: bands, graduations with their labels, axis
// titles, curves (thinned, clipped, bridged over failed values), fixed
// markers, curve templates, the X or free marker with its read-out and the
// zoom rectangle, as a list of primitives.
#pragma once

#include "number_format.h"
#include "plot_document.h"
#include "plot_scene.h"
#include "plot_state.h"

namespace quillet::plot {

PlotScene layoutPlot(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                     const LayoutOptions &options = {});

// Parts of the layout, each appending to the scene.
void layoutAxes(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                const LayoutOptions &options, PlotScene &scene);
void layoutCurves(const PlotDocument &document, const PlotState &state, const LayoutOptions &options,
                  PlotScene &scene);
void layoutMarkers(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                   const LayoutOptions &options, PlotScene &scene);

// The abscissa (absolute) of value `index` of a slot: the document's, or the
// abscissa curve's value in an X-Y plot; false when it cannot be read.
bool slotAbscissa(const PlotDocument &document, const PlotState &state, int slot, int index, double &abscissa);

// The parts of a segment inside a rectangle (Liang-Barsky); false when none.
bool clipSegment(const Rect &rect, Point &from, Point &to);

}  // namespace quillet::plot
