// Tab expansion of a listing line, as a list box with tab stops draws it:
// each tab moves the text to the first stop beyond the current column.
// Columns are in average character widths of a fixed-pitch font, so the
// window, the printed page and any image place the fields alike.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace quillet::standards {

struct PlacedField {
    double column = 0;  // where the field starts
    std::string text;
};

// The non-empty fields of a line with their columns. Past the last stop,
// stops follow one another at the last interval.
std::vector<PlacedField> placeFields(const std::string &line, std::span<const double> stops);

// The listing's stops scaled: `unit` columns per stop number.
std::vector<double> scaledStops(std::span<const int> stops, double unit);

}  // namespace quillet::standards
