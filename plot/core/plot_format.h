// How a plot writes its numbers and dates: values with a curve's
// precision, abscissas with the view's decimals, dates in the user's order.
#pragma once

#include <string>

#include "number_format.h"
#include "plot_document.h"

namespace quillet::plot {

// Width 8 with `precision` decimals (6: automatic), leading blanks removed.
std::string formatValue(const NumberFormat &format, double value, int precision);

// A tester date-time (seconds since 1970, local time) as "DD/MM/YY" in the
// user's date order and "HH:MM:SS".
struct DateText {
    std::string date, time;
};
DateText formatDate(double seconds);

// An absolute abscissa as labels and read-outs show it: the view's
// decimals, or the date and time in date mode.
std::string formatAbscissa(const PlotDocument &document, const NumberFormat &format, double absolute, bool dateMode);

}  // namespace quillet::plot
