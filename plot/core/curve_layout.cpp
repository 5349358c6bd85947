// The curves of a plot: each filled, visible slot but the abscissa curve,
// in slot order, over its window's indexes, thinned when it has more values
// than the plot area has pixels, failed values bridged with a symbol on the
// good points either side, linked segments clipped to the plot area.
#include <cmath>
#include <string>

#include "curve_colours.h"
#include "dash_walker.h"
#include "plot_layout.h"

namespace quillet::plot {
namespace {

class CurveBuilder {
public:
    CurveBuilder(PlotScene &scene, int slot, Rgb colour, int style, bool monochrome)
        : scene_(scene), slot_(slot), colour_(colour), style_(style), monochrome_(monochrome),
          dashes_(monochromePattern(style)) {}
    ~CurveBuilder() { flush(); }

    void segment(Point from, Point to) {
        const Point end = to;
        if (!clipSegment(scene_.geometry.plot, from, to)) {
            flush();
            return;
        }
        if (run_.empty() || !(run_.back() == from)) {
            flush();
            run_.push_back(from);
        }
        run_.push_back(to);
        if (!(to == end)) flush();  // the curve leaves the plot area here
    }

    void symbol(Point at) {
        if (scene_.geometry.plot.contains(at)) scene_.items.push_back(SymbolItem{Band::Plot, at, colour_});
    }

private:
    void flush() {
        if (run_.size() >= 2) {
            if (monochrome_) {
                dashed();
            } else {
                scene_.items.push_back(PolylineItem{Band::Plot, std::move(run_), colour_, style_, slot_});
            }
        }
        run_.clear();
    }

    void dashed() {
        std::vector<Segment> drawn;
        for (std::size_t i = 1; i < run_.size(); ++i) dashes_.walk(run_[i - 1], run_[i], drawn);
        for (const Segment &piece : drawn) {
            scene_.items.push_back(PolylineItem{Band::Plot, {piece.from, piece.to}, kBlack, 0, slot_});
        }
    }

    PlotScene &scene_;
    int slot_;
    Rgb colour_;
    int style_;
    bool monochrome_;
    DashWalker dashes_;
    std::vector<Point> run_;
};

struct IndexWalk {
    int first, last, step;
};

IndexWalk indexWalk(const PlotDocument &document, const PlotState &state, const CurveSlot &slot,
                    const PlotScene &scene, const LayoutOptions &options) {
    IndexWalk walk{slot.first, slot.last, 1};
    if (state.zoomed && state.abscissaCurve < 0) {  // one sample beyond each edge reaches the edges
        walk.first = std::max(0, walk.first - 1);
        walk.last = std::min(slot.count - 1, walk.last + 1);
    }
    const double values = walk.last - walk.first + 1;
    const double pixels = scene.geometry.plot.width() * options.deviceWidth / kLogicalWidth;
    if (pixels >= 1 && values > pixels && document.thinsLongCurves()) {
        walk.step = std::max(1, static_cast<int>(std::floor(values / pixels + 0.5)));
    }
    return walk;
}

void layoutCurve(const PlotDocument &document, const PlotState &state, int s, const LayoutOptions &options,
                 PlotScene &scene) {
    const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
    const PlotGeometry &g = scene.geometry;
    const Rgb colour = options.monochrome ? kBlack : slot.colour;
    CurveBuilder curve(scene, s, colour, slot.style, options.monochrome);
    const bool numbers = document.writesCurveNumbers() && !options.compact;
    const double labelX = g.plot.left + g.plot.width() * ((s % 10) + 1) / 11;
    bool numbered = false;
    bool havePrevious = false, gap = false, previousMarked = false;
    Point previous;
    const IndexWalk walk = indexWalk(document, state, slot, scene, options);
    for (int i = walk.first; i <= walk.last; i += walk.step) {
        if (state.abscissaCurve >= 0 && i >= state.curves[static_cast<std::size_t>(state.abscissaCurve)].count) break;
        double value = 0, abscissa = 0;
        if (document.GetDocIiemeValeurVoie(slot.channel, i, value, s, nullptr) < 0 ||
            !slotAbscissa(document, state, s, i, abscissa)) {
            if (havePrevious && !previousMarked) curve.symbol(previous);
            previousMarked = true;
            gap = true;
            continue;
        }
        const Point point{g.toX(abscissa - state.origin), g.toY(slot.scale, value)};
        if (gap && havePrevious) curve.symbol(point);
        if (state.linkedPoints) {
            if (havePrevious) curve.segment(previous, point);
        } else {
            curve.symbol(point);
        }
        if (numbers && !numbered && point.x >= labelX && g.plot.contains(point)) {
            scene.items.push_back(TextItem{Band::Plot, {point.x + 6, point.y + 6}, std::to_string(s + 1), HAlign::Left,
                                           VAlign::Bottom, colour});
            curve.symbol(point);
            numbered = true;
        }
        previousMarked = gap && havePrevious;
        previous = point;
        havePrevious = true;
        gap = false;
    }
}

}  // namespace

bool slotAbscissa(const PlotDocument &document, const PlotState &state, int slot, int index, double &abscissa) {
    if (state.abscissaCurve >= 0) {
        const CurveSlot &curve = state.curves[static_cast<std::size_t>(state.abscissaCurve)];
        return index < curve.count && document.GetDocIiemeValeurVoie(curve.channel, index, abscissa, state.abscissaCurve, nullptr) >= 0;
    }
    int isDate = 0;
    return document.GetDocIiemeDateVoie(state.curves[static_cast<std::size_t>(slot)].channel, index, abscissa, isDate) >= 0;
}

void layoutCurves(const PlotDocument &document, const PlotState &state, const LayoutOptions &options,
                  PlotScene &scene) {
    for (int s = 0; s < state.filledCount(); ++s) {
        const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        if (!slot.visible || s == state.abscissaCurve || slot.count <= 0) continue;
        layoutCurve(document, state, s, options, scene);
    }
}

}  // namespace quillet::plot
