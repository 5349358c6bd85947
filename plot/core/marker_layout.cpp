// What a plot draws over its curves: the fixed markers, the curve template,
// the X or free marker with its read-out, and the zoom rectangle.
#include <cmath>

#include "plot_format.h"
#include "plot_layout.h"

namespace quillet::plot {
namespace {

constexpr Rgb kTemplateColour{192, 0, 0};
constexpr Rgb kMarkerColour{0, 0, 0};

void fixedMarkers(const PlotState &state, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    for (const FixedMarker &marker : state.fixedMarkers) {
        if (!marker.used()) continue;
        const double x = g.toX(marker.abscissa - state.origin);
        if (x < g.plot.left || x > g.plot.right) continue;
        scene.items.push_back(LineItem{Band::Plot, {x, g.plot.bottom}, {x, g.plot.top}, kMarkerColour, 0, true});
        scene.items.push_back(TextItem{Band::Plot, {x + 6, g.plot.top - 6}, std::to_string(marker.number), HAlign::Left,
                                       VAlign::Top, kMarkerColour});
    }
}

// Lower limits and upper limits each as a line through their points,
// shifted by the template's offsets; an undefined limit breaks its line.
void curveTemplate(const PlotState &state, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    for (const bool upper : {false, true}) {
        std::vector<Point> run;
        const auto flush = [&] {
            for (std::size_t i = 1; i < run.size(); ++i) {
                Point from = run[i - 1], to = run[i];
                if (clipSegment(g.plot, from, to)) {
                    scene.items.push_back(PolylineItem{Band::Plot, {from, to}, kTemplateColour, 0, -1});
                }
            }
            run.clear();
        };
        for (const GabaritPoint &point : state.gabarit.points()) {
            const double limit = upper ? point.upper : point.lower;
            if (limit == kUndefinedLimit) {
                flush();
                continue;
            }
            run.push_back({g.toX(point.x + state.gabaritShift.x - state.origin), g.toY(1, limit + state.gabaritShift.y)});
        }
        flush();
    }
}

std::string withUnit(std::string text, const std::string &unit) { return unit.empty() ? text : text + ' ' + unit; }

// The read-out lines beside a marker at logical x, on the side where they fit.
void readOut(const std::vector<std::string> &lines, double x, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const bool right = x < g.plot.left + g.plot.width() * 0.6;
    double y = g.plot.top - 8;
    for (const std::string &line : lines) {
        scene.items.push_back(TextItem{Band::Plot, {right ? x + 12 : x - 12, y}, line,
                                       right ? HAlign::Left : HAlign::Right, VAlign::Top, kMarkerColour});
        y -= kLabelFontHeight * 1.2;
    }
}

void xMarker(const PlotDocument &document, const PlotState &state, const NumberFormat &format, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const int reference = state.referenceSlot();
    if (reference < 0 || reference >= state.filledCount()) return;
    double abscissa = 0;
    if (!slotAbscissa(document, state, reference, state.markerIndex, abscissa)) return;
    const double x = g.toX(abscissa - state.origin);
    if (x < g.plot.left || x > g.plot.right) return;
    scene.items.push_back(LineItem{Band::Plot, {x, g.plot.bottom}, {x, g.plot.top}, kMarkerColour});
    std::vector<std::string> lines{withUnit(formatAbscissa(document, format, abscissa, state.dateAbscissa),
                                            state.dateAbscissa ? "" : document.abscissaUnit())};
    const CurveSlot &selected = state.curves[static_cast<std::size_t>(state.selected)];
    double value = 0;
    if (state.selected != state.abscissaCurve &&
        document.GetDocIiemeValeurVoie(selected.channel, state.markerIndex, value, state.selected, nullptr) >= 0) {
        lines.push_back(withUnit(formatValue(format, value, selected.precision), selected.unit));
        const Point at{x, g.toY(selected.scale, value)};
        if (g.plot.contains(at)) scene.items.push_back(SymbolItem{Band::Plot, at, kMarkerColour, SymbolShape::Diamond});
    }
    readOut(lines, x, scene);
}

void freeMarker(const PlotDocument &document, const PlotState &state, const NumberFormat &format, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const Point p = g.plot.clamp(state.freePoint);
    scene.items.push_back(LineItem{Band::Plot, {p.x, g.plot.bottom}, {p.x, g.plot.top}, kMarkerColour});
    scene.items.push_back(LineItem{Band::Plot, {g.plot.left, p.y}, {g.plot.right, p.y}, kMarkerColour});
    const double abscissa = g.fromX(p.x) + state.origin;
    std::vector<std::string> lines{withUnit(formatAbscissa(document, format, abscissa, state.dateAbscissa),
                                            state.dateAbscissa ? "" : document.abscissaUnit())};
    const int precision = state.curves[static_cast<std::size_t>(state.selected)].precision;
    const std::string y1 = formatValue(format, g.fromY(1, p.y), precision);
    if (state.twoScales) {
        lines.push_back("Y(1)= " + y1 + "  Y(2)= " + formatValue(format, g.fromY(2, p.y), precision));
    } else {
        lines.push_back("Y= " + y1);
    }
    readOut(lines, p.x, scene);
}

}  // namespace

void layoutMarkers(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                   const LayoutOptions &options, PlotScene &scene) {
    fixedMarkers(state, scene);
    if (state.templatesShown) curveTemplate(state, scene);
    if (options.compact) return;
    if (state.marker == MarkerMode::X && state.filledCount() > 0) xMarker(document, state, format, scene);
    if (state.marker == MarkerMode::Free) freeMarker(document, state, format, scene);
    if (state.zoomRect) scene.items.push_back(RectItem{Band::Plot, *state.zoomRect, kMarkerColour, true});
}

}  // namespace quillet::plot
