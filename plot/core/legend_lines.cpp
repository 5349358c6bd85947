#include "legend_lines.h"

#include <cstdio>

#include "plot_format.h"
#include "plot_texts.h"
#include "quillet_strings.h"

namespace quillet::plot {
namespace {

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

LegendLine heading(int textId) { return {std::string(resourceString(textId)) + ":", kBlack, true}; }

void curveLines(const PlotDocument &document, const PlotState &state, bool monochrome, std::vector<LegendLine> &lines) {
    const bool numbers = document.writesCurveNumbers();
    for (int s = 0; s < state.filledCount(); ++s) {
        const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        std::string text = s == state.selected ? "\xC2\xBB" : " ";
        if (numbers) text += " " + twoDigits(s + 1) + ": ";
        text += slot.name + " - " + slot.unit;
        if (state.twoScales) text += slot.scale == 2 ? " (2)" : " (1)";
        lines.push_back({text, monochrome ? kBlack : slot.colour, false, s == state.abscissaCurve, s});
    }
}

std::string abscissaLine(const PlotDocument &document, const PlotState &state) {
    std::string text = std::string(resourceString(texts::kXAxis)) + ": ";
    if (state.abscissaCurve >= 0) return text + state.curves[static_cast<std::size_t>(state.abscissaCurve)].name;
    if (state.dateAbscissa) return text + resourceString(texts::kTime);
    text += document.abscissaName();
    if (const std::string unit = document.abscissaUnit(); !unit.empty()) text += " - " + unit;
    return text;
}

void statisticsLines(const PlotState &state, const NumberFormat &format, bool monochrome, std::vector<LegendLine> &lines) {
    lines.push_back({});
    lines.push_back(heading(texts::kStatistics));
    lines.push_back({std::string(" ") + resourceString(texts::kStatisticsColumns), kBlack});
    for (int s = 0; s < state.filledCount(); ++s) {
        const CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        std::string text = " " + slot.name;
        for (const double v : {slot.minimum, slot.maximum, slot.average, slot.deviation}) {
            text += '\t' + format.fixed(v, 8, slot.precision == 6 ? automaticDecimals(v) : slot.precision);
        }
        lines.push_back({text, monochrome ? kBlack : slot.colour, false, false, s});
    }
}

void markerLines(const PlotState &state, bool monochrome, std::vector<LegendLine> &lines) {
    lines.push_back({});
    lines.push_back(heading(texts::kMarkers));
    for (const FixedMarker &marker : state.fixedMarkers) {
        if (!marker.used()) continue;
        lines.push_back({" " + twoDigits(marker.number) + "-" + marker.label, kBlack});
        for (const FixedMarker::Line &line : marker.lines) {
            lines.push_back({"   " + line.text, monochrome ? kBlack : line.colour});
        }
    }
}

}  // namespace

std::vector<LegendLine> legendLines(const PlotDocument &document, const PlotState &state, const NumberFormat &format,
                                    bool monochrome) {
    std::vector<LegendLine> lines;
    lines.push_back(heading(texts::kLegend));
    curveLines(document, state, monochrome, lines);
    lines.push_back({});
    lines.push_back({abscissaLine(document, state), kBlack});
    if (!state.comments.empty()) {
        lines.push_back({});
        lines.push_back(heading(texts::kComment));
        for (const std::string &comment : state.comments) lines.push_back({comment, kBlack});
    }
    if (state.statisticsShown) statisticsLines(state, format, monochrome, lines);
    if (state.anyFixedMarker()) markerLines(state, monochrome, lines);
    return lines;
}

std::string legendText(const std::vector<LegendLine> &lines) {
    std::string text;
    for (const LegendLine &line : lines) text += line.text + "\r\n";
    return text;
}

}  // namespace quillet::plot
