// The lines of the legend pane: curves, abscissa, comment, statistics and
// fixed markers, each with its colour; and the pane's text for the
// clipboard.
#pragma once

#include <string>
#include <vector>

#include "number_format.h"
#include "plot_document.h"
#include "plot_state.h"

namespace quillet::plot {

struct LegendLine {
    std::string text;  // UTF-8, columns separated by tabs
    Rgb colour;
    bool heading = false;  // drawn underlined
    bool bold = false;     // the abscissa curve
    int slot = -1;         // the curve a click on the line selects
};

std::vector<LegendLine> legendLines(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                                    bool monochrome = false);

// The lines joined by "\r\n", tabs kept.
std::string legendText(const std::vector<LegendLine> &lines);

}  // namespace quillet::plot
