// How a graph document names its curves: the display name of the plot's
// channels, of the legend, of the selection dialogs and of the text export.
#pragma once

#include <string>

#include "grph_mes.h"
#include "regional.h"

namespace quillet::graphs {

// Title ":" kind ":" date ":" verdict; the date is a blank for a curve
// without time stamp, the verdict "PASS" or "FAIL" with "*" near the
// measurement uncertainty, a blank when the curve has none.
std::string curveDisplayName(const model::CGrphMes &curve, const Regional &regional);

}  // namespace quillet::graphs
