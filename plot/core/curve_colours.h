// Curve colours and line styles of the slots: the profile keys
// "CouleurCourbe1".."CouleurCourbe30" of section "Graphique", the generic
// view's fifteen defaults and the graph windows' cycle of thirteen.
#pragma once

#include <string>

#include "plot_types.h"

namespace quillet::plot {

inline constexpr const char *kColourSection = "Graphique";

// "CouleurCourbe" + slot number (slot + 1).
std::string curveColourKey(int slot);
Rgb defaultCurveColour(int slot);
Rgb graphCurveColour(int slot);
// Line style 0..4 of a slot; the first slot is drawn solid.
int curveLineStyle(int slot);

// The dash pattern of a line style on a monochrome device ("-" draws,
// "." lifts the pen).
const char *monochromePattern(int style);

}  // namespace quillet::plot
