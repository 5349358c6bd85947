#include "plot_layout.h"

#include <cmath>

#include "plot_format.h"
#include "plot_scales.h"
#include "plot_texts.h"
#include "quillet_strings.h"

namespace quillet::plot {
namespace {

constexpr Rgb kGridColour{160, 160, 160};
constexpr double kLineHeight = kLabelFontHeight * 1.2;
constexpr double kLabelColumn = 190;  // room of an 8-character ordinate label

bool insideX(const Rect &plot, double x) { return x >= plot.left - 0.5 && x <= plot.right + 0.5; }
bool insideY(const Rect &plot, double y) { return y >= plot.bottom - 0.5 && y <= plot.top + 0.5; }

HAlign abscissaLabelAlign(const Rect &plot, double x) {
    if (x <= plot.left + 0.5) return HAlign::Left;
    if (x >= plot.right - 0.5) return HAlign::Right;
    return HAlign::Centre;
}

void abscissaGraduations(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                         PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const bool anyScale = !state.scale1Empty || !state.scale2Empty;
    const bool dates = state.dateAbscissa && state.abscissaCurve < 0;
    const std::vector<double> ticks =
        dates ? (anyScale ? dateGraduations(g.window.x) : std::vector<double>{}) : graduations(g.window.x, anyScale ? 10 : 0);
    for (const double tick : ticks) {
        const double x = g.toX(tick);
        if (!insideX(g.plot, x)) continue;
        const double end = state.gridLines ? g.plot.top : g.plot.bottom + 2;
        scene.items.push_back(LineItem{Band::Abscissa, {x, g.plot.bottom - 10}, {x, g.plot.bottom}, kBlack});
        scene.items.push_back(LineItem{Band::Plot, {x, g.plot.bottom}, {x, end}, state.gridLines ? kGridColour : kBlack,
                                       0, state.gridLines});
        const double absolute = tick + state.origin;
        const HAlign h = abscissaLabelAlign(g.plot, x);
        const double y = g.plot.bottom - 12;
        if (dates) {
            const DateText text = formatDate(absolute);
            scene.items.push_back(TextItem{Band::Abscissa, {x, y}, text.date, h, VAlign::Top, kBlack});
            scene.items.push_back(TextItem{Band::Abscissa, {x, y - kLineHeight}, text.time, h, VAlign::Top, kBlack});
        } else {
            scene.items.push_back(TextItem{Band::Abscissa, {x, y},
                                           formatAbscissa(document, format, absolute, false), h,
                                           VAlign::Top, kBlack});
        }
    }
}

void ordinateGraduations(const PlotState &state, const NumberFormat &format, int scale, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const bool used = scale == 1 ? !state.scale1Empty : !state.scale2Empty;
    const Range &range = scale == 1 ? g.window.y1 : g.window.y2;
    for (const double tick : graduations(range, used ? 10 : 0)) {
        const double y = g.toY(scale, tick);
        if (!insideY(g.plot, y)) continue;
        if (scale == 1) {
            const double end = state.gridLines ? g.plot.right : g.plot.left + 2;
            scene.items.push_back(LineItem{Band::LeftScale, {g.plot.left - 10, y}, {g.plot.left, y}, kBlack});
            scene.items.push_back(LineItem{Band::Plot, {g.plot.left, y}, {end, y}, state.gridLines ? kGridColour : kBlack,
                                           0, state.gridLines});
            scene.items.push_back(TextItem{Band::LeftScale, {g.plot.left - 20, y}, format.automatic(tick, true),
                                           HAlign::Right, VAlign::Middle, kBlack});
        } else {
            scene.items.push_back(LineItem{Band::RightScale, {g.plot.right + 10, y}, {g.plot.right, y}, kBlack});
            scene.items.push_back(TextItem{Band::RightScale, {g.plot.right + 20, y}, format.automatic(tick, true),
                                           HAlign::Left, VAlign::Middle, kBlack});
        }
    }
}

// "Scale 1" or "Scale 2" when two scales are used, then the names of the
// visible curves of the scale, one per line in their colours, in the band
// beside the graduation labels.
void ordinateTitles(const PlotState &state, int scale, const LayoutOptions &options, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    const Band band = scale == 1 ? Band::LeftScale : Band::RightScale;
    const Rect &area = g.band(band);
    const double x = scale == 1 ? area.left + 10 : g.plot.right + 20 + kLabelColumn;
    const double width = scale == 1 ? g.plot.left - 20 - kLabelColumn - 10 - area.left : area.right - 10 - x;
    double y = g.plot.top;
    if (state.twoScales) {
        const std::string title = std::string(resourceString(texts::kScale)) + (scale == 1 ? " 1" : " 2");
        scene.items.push_back(TextItem{band, {x, y}, title, HAlign::Left, VAlign::Top, kBlack, FontRole::Label, width});
        y -= kLineHeight;
    }
    for (int s = 0; s < state.filledCount(); ++s) {
        const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        if (!slot.visible || s == state.abscissaCurve || slot.scale != scale) continue;
        if (y - kLineHeight < g.plot.bottom) break;
        scene.items.push_back(TextItem{band, {x, y}, slot.name, HAlign::Left, VAlign::Top,
                                       options.monochrome ? kBlack : slot.colour, FontRole::Label, width});
        y -= kLineHeight;
    }
}

std::string abscissaTitle(const PlotDocument &document, const PlotState &state) {
    if (state.abscissaCurve >= 0) return state.curves[static_cast<std::size_t>(state.abscissaCurve)].name;
    std::string title = document.abscissaName();
    const std::string unit = document.abscissaUnit();
    if (!state.dateAbscissa && !unit.empty()) title += " (" + unit + ")";
    return title;
}

}  // namespace

bool clipSegment(const Rect &rect, Point &from, Point &to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x - rect.left, rect.right - from.x, from.y - rect.bottom, rect.top - from.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const Point start = from;
    if (t1 < 1) to = {start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0) from = {start.x + t0 * dx, start.y + t0 * dy};
    return true;
}

void layoutAxes(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                const LayoutOptions &options, PlotScene &scene) {
    const PlotGeometry &g = scene.geometry;
    if (options.compact) {
        if (!state.gridLines) return;
        for (const double tick : graduations(g.window.x, 10)) {
            const double x = g.toX(tick);
            if (insideX(g.plot, x)) scene.items.push_back(LineItem{Band::Plot, {x, g.plot.bottom}, {x, g.plot.top}, kGridColour, 0, true});
        }
        for (const double tick : graduations(g.window.y1, 10)) {
            const double y = g.toY(1, tick);
            if (insideY(g.plot, y)) scene.items.push_back(LineItem{Band::Plot, {g.plot.left, y}, {g.plot.right, y}, kGridColour, 0, true});
        }
        return;
    }
    scene.items.push_back(TextItem{Band::Title, {kLogicalWidth / 2, kLogicalHeight - 2}, state.title, HAlign::Centre,
                                   VAlign::Top, kBlack, FontRole::Title, kLogicalWidth - 20});
    abscissaGraduations(document, state, format, scene);
    ordinateGraduations(state, format, 1, scene);
    if (state.twoScales) ordinateGraduations(state, format, 2, scene);
    ordinateTitles(state, 1, options, scene);
    if (state.twoScales) ordinateTitles(state, 2, options, scene);
    scene.items.push_back(TextItem{Band::Abscissa, {g.plot.left + g.plot.width() / 2, 12}, abscissaTitle(document, state),
                                   HAlign::Centre, VAlign::Bottom, kBlack, FontRole::Label, g.plot.width()});
}

PlotScene layoutPlot(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                     const LayoutOptions &options) {
    PlotScene scene;
    scene.geometry = plotGeometry(state, options.compact);
    layoutAxes(document, state, format, options, scene);
    layoutCurves(document, state, options, scene);
    layoutMarkers(document, state, format, options, scene);
    scene.items.push_back(RectItem{Band::Plot, scene.geometry.plot, kBlack});
    return scene;
}

}  // namespace quillet::plot
