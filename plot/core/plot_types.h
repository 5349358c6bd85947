// The plain values a plot is made of: colours, curve slots, the windows of
// the abscissa and the two ordinate scales, and points of the 2700 × 1800
// logical space (y grows upwards, the title band is at the top).
#pragma once

#include <cstdint>
#include <string>

namespace quillet::plot {

inline constexpr int kSlotCount = 30;
inline constexpr int kCommentLineCount = 20;
inline constexpr int kFixedMarkerCount = 10;
inline constexpr double kLogicalWidth = 2700;
inline constexpr double kLogicalHeight = 1800;

struct Rgb {
    int red = 0, green = 0, blue = 0;

    // The profile's form: a long integer holding 0x00BBGGRR.
    long toColorRef() const { return static_cast<long>(red) | (static_cast<long>(green) << 8) | (static_cast<long>(blue) << 16); }
    static Rgb fromColorRef(long value) {
        return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF)};
    }
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};

// One of the 30 curve slots; a channel of -1 marks an empty slot, which
// ends the list of filled ones.
struct CurveSlot {
    int channel = -1;
    std::string name, unit;
    int precision = 0;  // decimals; 6 means automatic
    Rgb colour;
    int style = 0;      // line style 0..4
    bool visible = true;
    int scale = 1;      // ordinate scale 1 or 2
    int count = 0;      // number of values
    // Over the current window:
    int first = 0, last = -1;
    double minimum = -1, maximum = 1, average = 0, deviation = 0;

    bool filled() const { return channel >= 0; }
};

struct Range {
    double minimum = 0, maximum = 1;
    double span() const { return maximum - minimum; }
    friend bool operator==(const Range &, const Range &) = default;
};

// The abscissa window and the windows of both ordinate scales.
struct PlotWindow {
    Range x, y1, y2;
    friend bool operator==(const PlotWindow &, const PlotWindow &) = default;
};

struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

// A rectangle of the logical space, bottom < top.
struct Rect {
    double left = 0, bottom = 0, right = 0, top = 0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top; }
    bool meets(const Rect &other) const {
        return left <= other.right && other.left <= right && bottom <= other.top && other.bottom <= top;
    }
    Point clamp(Point p) const;
    friend bool operator==(const Rect &, const Rect &) = default;
};

}  // namespace quillet::plot
