#include "report_layout.h"

#include <algorithm>
#include <array>

#include "detail_lines.h"
#include "quillet_strings.h"

namespace quillet::autotest {
namespace {

bool isPlugLine(const std::vector<PlugListLine> &lines, std::size_t i) { return !lines[i].detail; }

bool isDetailedPlugLine(const std::vector<PlugListLine> &lines, std::size_t i) {
    return isPlugLine(lines, i) && i + 1 < lines.size() && lines[i + 1].detail;
}

// The column bits of a frequency kind on one side (see list_lines.h).
std::uint32_t kindBit(int kind, model::Side side) {
    if (kind == model::kind::kAttenuation) return column::kAttenuation;
    // Bit pairs from bit 6: NEXT, PSNEXT, ELFEXT, PSELFEXT, ACR, PSACR, RL.
    static constexpr std::array<int, 8> kPairOfKind = {0, 2, -1, 6, 4, 1, 3, 5};
    const int pair = kPairOfKind[static_cast<std::size_t>(kind)];
    return 1u << (6 + 2 * pair + (side == model::Side::Remote ? 1 : 0));
}

std::size_t fieldCount(const std::string &text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t')) + 1; }

}  // namespace

int reportLinesPerPage(int printableHeight, int lineHeight, int headerLines) {
    if (lineHeight <= 0) return 1;
    return std::max(1, printableHeight / lineHeight - (headerLines + 1) - 1 - 2);
}

std::vector<std::size_t> reportPageStarts(const std::vector<PlugListLine> &lines, int linesPerPage) {
    std::vector<std::size_t> starts{0};
    int count = 0;
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool detailed = isDetailedPlugLine(lines, i);
        if (isPlugLine(lines, i) && !detailed && inBlock) {
            count = 0;
            inBlock = false;
        }
        if (detailed) {
            count = 0;
            inBlock = true;
        }
        if (starts.size() == 1 || count >= linesPerPage) count = 0;
        if (count == 0) starts.push_back(i);
        ++count;
    }
    return starts;
}

PageRows reportPageRows(const std::vector<std::size_t> &starts, int page, std::size_t lineCount) {
    if (page < 2 || static_cast<std::size_t>(page) > starts.size()) return {};
    const auto k = static_cast<std::size_t>(page - 1);
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : lineCount;
    return {starts[k], std::max(starts[k], end)};
}

std::vector<int> siteBlockStops() { return {1, 25, 27, 29, 77}; }

// Lead field, plug number ("0001"), the identifier column as wide as the
// longest identifier, the curve mark, thirteen measurement columns of 9 and
// the test date. The identifier starts after the number and the curve mark
// after the identifier, so no two fields ever overlap.
std::vector<int> plugTableStops(int idWidth) {
    std::vector<int> stops = {0, 1, 6, 7 + idWidth};
    for (int k = 0, at = 9 + idWidth; k < 13; ++k, at += 9) stops.push_back(at);
    stops.push_back(stops.back() + 14);
    return stops;
}

std::vector<int> detailStops(std::size_t count) {
    std::vector<int> stops = {0, 0, 4};
    while (stops.size() < count) stops.push_back(stops.back() + 9);
    stops.resize(std::max<std::size_t>(count, 1));
    return stops;
}

int plugIdWidth(const model::CSite &site) {
    std::size_t width = std::string(resourceString(177)).size();
    for (const model::CPrise &plug : site.plugs) width = std::max(width, plug.plugId.size());
    return static_cast<int>(width);
}

bool isDetailSectionTitle(const std::string &line) {
    static const std::array<const char *, 12> kTitles = {
        "Mapping", "Skew", "TESTER", "REMOTE", "NEXT", "PowerSum NEXT", "ELFEXT", "PowerSum ELFEXT", "ACR",
        "PowerSum ACR", "Return Loss", "Attenuation"};
    return std::any_of(kTitles.begin(), kTitles.end(),
                       [&](const char *title) { return line.find(title) != std::string::npos; });
}

FieldStyle reportFieldStyle(FieldColour colour, bool monochrome, bool strikeFailBW) {
    if (!monochrome) return {colour, 400, false, false};
    switch (colour) {
    case FieldColour::Fail: return {FieldColour::Normal, 900, false, strikeFailBW};
    case FieldColour::Limit: return {FieldColour::Normal, 400, true, false};
    case FieldColour::Pass:
    case FieldColour::Normal: break;
    }
    return {FieldColour::Normal, 400, false, false};
}

std::vector<PlotCell> reportPlotCells(std::uint32_t detailedMask) {
    static constexpr std::array<int, kPlotRows> kRowKinds = {0, 1, 4, 3, model::kind::kAttenuation};
    std::vector<PlotCell> cells;
    int row = 0;
    for (int kind : kRowKinds) {
        const bool single = kind == model::kind::kAttenuation;
        const std::uint32_t bits = kindBit(kind, model::Side::Tester) | (single ? 0 : kindBit(kind, model::Side::Remote));
        if ((detailedMask & bits) == 0) continue;
        cells.push_back({kind, model::Side::Tester, row, 0});
        if (!single) cells.push_back({kind, model::Side::Remote, row, 1});
        ++row;
    }
    return cells;
}

ReportRect plotCellRect(const ReportRect &area, const PlotCell &cell, double lineHeight, double labelWidth) {
    const double cellWidth = area.width / 2, cellHeight = area.height / kPlotRows;
    ReportRect r;
    r.x = area.x + cell.column * cellWidth + labelWidth;
    r.y = area.y + cell.row * cellHeight + lineHeight;
    r.width = std::max(0.0, cellWidth - labelWidth - lineHeight);
    r.height = std::max(0.0, cellHeight - 2.5 * lineHeight);
    return r;
}

int detailTableChars(const std::vector<PlugListLine> &lines, std::size_t first, std::size_t end) {
    int widest = 0;
    for (std::size_t i = first; i < end && i < lines.size(); ++i) {
        if (!lines[i].detail) continue;
        const std::string &text = lines[i].line.text;
        const std::size_t fields = fieldCount(text);
        const std::vector<int> stops = detailStops(fields);
        const std::size_t lastTab = text.rfind('\t');
        const std::size_t lastLength = lastTab == std::string::npos ? text.size() : text.size() - lastTab - 1;
        widest = std::max(widest, stops.back() + static_cast<int>(lastLength));
    }
    return widest;
}

std::string detailPlugTitle(const std::string &plugId) { return std::string(resourceString(177)) + " " + plugId + " "; }

bool plugPassed(std::int32_t resultType) { return resultType == 4 || resultType == 5; }

std::string detailPlugVerdict(std::int32_t resultType) {
    std::string text = resourceString(plugPassed(resultType) ? 279 : 278);
    if (resultType == 3 || resultType == 4) text += "*";
    return text + " ";
}

ReportFoot reportFoot(const std::string &siteName, int page, int pageCount, char decimal) {
    ReportFoot foot;
    foot.failSample = std::string("XX") + decimal + "X";
    foot.leftFirst = std::string(") ") + resourceString(214) + " - (####) " + resourceString(216);
    foot.leftSecond = std::string(" (*) ") + resourceString(217);
    foot.rightFirst = std::string(resourceString(158)) + ": " + siteName + " - Page " + std::to_string(page) + "/" +
                      std::to_string(pageCount);
    foot.rightSecond = std::string(" (~) ") + resourceString(303);
    return foot;
}

}  // namespace quillet::autotest
