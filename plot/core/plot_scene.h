// The drawing primitives a plot layout produces, in drawing order, each in
// the logical space and tagged with the band it belongs to. One painter
// turns them into pixels on any device.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "plot_geometry.h"

namespace quillet::plot {

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };
enum class FontRole { Title, Label };
enum class SymbolShape { Square, Cross, Diamond };

inline constexpr double kTitleFontHeight = 56;  // logical units
inline constexpr double kLabelFontHeight = 32;

struct LineItem {
    Band band;
    Point from, to;
    Rgb colour;
    int style = 0;        // 0 solid .. 4, as the curves
    bool dotted = false;  // grid lines, fixed markers, the zoom rectangle
};

struct PolylineItem {
    Band band;
    std::vector<Point> points;
    Rgb colour;
    int style = 0;
    int slot = -1;  // the curve it draws, -1 for templates
};

struct TextItem {
    Band band;
    Point at;
    std::string text;
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Bottom;
    Rgb colour;
    FontRole font = FontRole::Label;
    double maxWidth = 0;  // logical units; 0: no limit, else elided
};

struct SymbolItem {
    Band band;
    Point at;
    Rgb colour;
    SymbolShape shape = SymbolShape::Square;
};

struct RectItem {
    Band band;
    Rect rect;
    Rgb colour;
    bool dotted = false;
};

using Primitive = std::variant<LineItem, PolylineItem, TextItem, SymbolItem, RectItem>;

struct PlotScene {
    PlotGeometry geometry;
    std::vector<Primitive> items;

    template <class T> std::vector<const T *> all() const {
        std::vector<const T *> out;
        for (const auto &item : items) {
            if (const T *p = std::get_if<T>(&item)) out.push_back(p);
        }
        return out;
    }
};

struct LayoutOptions {
    // Width of the whole logical space in device pixels (thinning compares
    // a curve's values with the plot area's width in pixels).
    double deviceWidth = kLogicalWidth;
    bool monochrome = false;  // black, line styles as dash patterns
    bool compact = false;     // plot area only: no bands, labels or titles
};

}  // namespace quillet::plot
