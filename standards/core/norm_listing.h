// The listing of a standards document: for each standard its number and
// name, then its DC limits, its frequency sweep and the tests it requires,
// or its optical loss limits, then an empty line. The standards window
// draws these lines, prints them, and quillet-cli exports them: the lines
// are the one source of all three.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "norm.h"
#include "number_format.h"

namespace quillet::standards {

// Tab stops of the listing, in average character widths (the window draws
// them at half that, the printed page at that).
inline constexpr std::array<int, 9> kListingTabStops{1, 4, 11, 13, 22, 29, 36, 43, 50};

// Every standard's lines, in document order.
std::vector<std::string> normListingLines(const std::vector<model::CNorm> &standards, const NumberFormat &format);

// The lines of one standard; `index` is its 0-based place in the document.
std::vector<std::string> standardLines(const model::CNorm &standard, int index, const NumberFormat &format);

// The line of sweep segment `r`, or "" when the segment ends where it
// starts (such a line is left out).
std::string sweepSegmentLine(const model::CNorm &standard, std::size_t r, const NumberFormat &format);

// "Worst case: " and the names of the frequency tests the mask requires.
std::string worstCaseLine(std::uint16_t testsMask);

// The first line of a standard (its number and name): longer than two
// characters and not indented by two tabs. Printed pages rule it off.
bool opensStandard(const std::string &line);

}  // namespace quillet::standards
