// The certification report's page description, without a device: how many
// plug-list lines a page holds, on which page each line falls, the tab
// stops of the site block, the plug table and the detail blocks, the type
// style of every field, and where the small curve plots of a detailed plug
// go. The report renderer measures the font on its device and draws what
// this describes; the print dialog's page count comes from the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "list_lines.h"
#include "measure_kind.h"
#include "plug_list.h"

namespace quillet::autotest {

// Plug-list lines a page holds: the printable lines less the print header
// (with the line under it), the table heading and the two foot lines.
int reportLinesPerPage(int printableHeight, int lineHeight, int headerLines);

// The first plug-list line of every page; entry k is page k + 1. Page 1
// holds the site block only, so the table starts on page 2 at line 0. A
// detailed plug starts a page, and so does the first plain plug after a
// detail block. An empty list gives one page.
std::vector<std::size_t> reportPageStarts(const std::vector<PlugListLine> &lines, int linesPerPage);

struct PageRows {
    std::size_t first = 0;
    std::size_t end = 0;  // one past the last line; first == end: no rows
};

// The plug-list lines page `page` (from 1) prints; none on page 1.
PageRows reportPageRows(const std::vector<std::size_t> &starts, int page, std::size_t lineCount);

// Tab stops, in character widths.
std::vector<int> siteBlockStops();
// The plug table's 18 stops, the identifier column narrowed (or widened)
// to `idWidth`, the larger of the longest plug identifier and "Plug Id".
std::vector<int> plugTableStops(int idWidth);
// Stops of detail lines: 0, 0, 4, then every 9 characters.
std::vector<int> detailStops(std::size_t count);
// The width of the plug identifier column: the longest identifier of the
// site or the heading (resource string 177), whichever is longer.
int plugIdWidth(const model::CSite &site);

// Lines of a detail block printed in the bold of a section title.
bool isDetailSectionTitle(const std::string &line);

// How a field is printed: in its colour on a colour device; on a
// monochrome one failing values heavy (struck out when asked) and limit
// values in italics.
struct FieldStyle {
    FieldColour colour = FieldColour::Normal;
    int weight = 400;
    bool italic = false;
    bool strikeOut = false;
};
FieldStyle reportFieldStyle(FieldColour colour, bool monochrome, bool strikeFailBW);

// The small plots of a detailed plug: up to five rows of two (tester,
// remote) in the order NEXT, ELFEXT, ACR, return loss, attenuation (one
// plot); a row only when the detailed columns show that measurement.
struct PlotCell {
    int kind = 0;
    model::Side side = model::Side::Tester;
    int row = 0;     // 0 to 4
    int column = 0;  // 0 tester, 1 remote
};
std::vector<PlotCell> reportPlotCells(std::uint32_t detailedMask);

struct ReportRect {
    double x = 0, y = 0, width = 0, height = 0;
};
inline constexpr int kPlotRows = 5;
// The rectangle of a cell in `area` (5 rows of 2), with room left around
// the plot for its labels: `lineHeight` above and below, `labelWidth` on
// the left.
ReportRect plotCellRect(const ReportRect &area, const PlotCell &cell, double lineHeight, double labelWidth);

// The right end, in characters at the detail stops, of the widest line of
// a detail block (its worst-case table); the small plots go right of it.
int detailTableChars(const std::vector<PlugListLine> &lines, std::size_t first, std::size_t end);

// The text heading a detail page: "Plug Id" + " " + identifier + " ", and
// the plug's verdict ("PASS" or "FAIL", "*" near the uncertainty).
std::string detailPlugTitle(const std::string &plugId);
std::string detailPlugVerdict(std::int32_t resultType);
bool plugPassed(std::int32_t resultType);

// The two foot lines, left and right parts; the left first line follows
// the sample failing value, drawn in the fail style.
struct ReportFoot {
    std::string failSample;    // "XX.X" with the local decimal separator
    std::string leftFirst;     // after "(" + sample
    std::string leftSecond;
    std::string rightFirst;
    std::string rightSecond;
};
ReportFoot reportFoot(const std::string &siteName, int page, int pageCount, char decimal);

}  // namespace quillet::autotest
