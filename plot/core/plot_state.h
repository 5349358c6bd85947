// Everything a plot view holds: title and comment, the curve slots, the
// windows, the flags, the markers and the curve template. Plain data; the
// operations are in plot_scales.h and plot_model.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gabarit_array.h"
#include "plot_types.h"

namespace quillet::plot {

enum class MarkerMode { Off, X, Free };

struct FixedMarker {
    struct Line {
        std::string text;
        Rgb colour;
    };
    int number = -1;  // 1..10, -1 when free
    double abscissa = 0;  // the document's abscissa
    std::string label;
    std::vector<Line> lines;

    bool used() const { return number > 0; }
};

struct PlotState {
    std::string title;
    std::vector<std::string> comments;
    std::array<CurveSlot, kSlotCount> curves;
    int abscissaCurve = -1;  // -1: the document's abscissa, else an X-Y plot

    PlotWindow window;
    PlotWindow global;  // saved when the scales were last computed automatically
    double origin = 0;  // abscissas are drawn relative to it
    bool zoomed = false;

    bool scale1Empty = true, scale2Empty = true, twoScales = false;
    bool dateAbscissa = false;
    bool linkedPoints = true;
    bool gridLines = false;
    bool inverted = false;  // greater values drawn lower
    bool statisticsShown = true;

    int selected = 0, previousSelected = 0;

    MarkerMode marker = MarkerMode::Off;
    int markerIndex = 0;  // X marker: a value index of the reference curve
    Point freePoint;      // free marker, logical units
    std::optional<Rect> zoomRect;
    Point anchor;
    bool dragging = false;
    std::array<FixedMarker, kFixedMarkerCount> fixedMarkers;

    CGabaritArray gabarit;
    Point gabaritShift;  // abscissa and ordinate offsets
    bool templatesShown = false;
    bool placingTemplate = false;

    // Slots before the first empty one.
    int filledCount() const;
    // The curve the X marker walks: the abscissa curve, else the selected one.
    int referenceSlot() const { return abscissaCurve >= 0 ? abscissaCurve : selected; }
    bool anyFixedMarker() const;
};

}  // namespace quillet::plot
