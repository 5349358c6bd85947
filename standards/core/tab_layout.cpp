#include "tab_layout.h"

namespace quillet::standards {
namespace {

double nextStop(double column, std::span<const double> stops) {
    for (double stop : stops) {
        if (stop > column) return stop;
    }
    if (stops.empty()) return column + 1;
    const double interval = stops.size() > 1 ? stops.back() - stops[stops.size() - 2] : stops.back();
    if (interval <= 0) return column + 1;
    double stop = stops.back();
    while (stop <= column) stop += interval;
    return stop;
}

}  // namespace

std::vector<PlacedField> placeFields(const std::string &line, std::span<const double> stops) {
    std::vector<PlacedField> fields;
    double column = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        const std::string text = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (!text.empty()) fields.push_back({column, text});
        column += static_cast<double>(text.size());
        if (tab == std::string::npos) break;
        column = nextStop(column, stops);
        start = tab + 1;
    }
    return fields;
}

std::vector<double> scaledStops(std::span<const int> stops, double unit) {
    std::vector<double> out;
    for (int stop : stops) out.push_back(stop * unit);
    return out;
}

}  // namespace quillet::standards
