// The detail block of a plug: the lines the plug list inserts after the
// plug line of a plug the user details. They show the wiring map and the
// length, delay and loop resistance of every pair, the skew, and for every
// frequency measurement the worst case by margin and by absolute value on
// the tester and on the remote side. Every detail line begins with two tabs
// (empty lead and number fields): that is how the list, the report and the
// export tell them from plug lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list_lines.h"

namespace quillet::autotest {

// The detail block of a plug under the detailed column mask. Its number of
// lines depends on the mask and the site's standard only, never on the plug.
std::vector<ListLine> detailLines(const ListContext &context, const model::CPrise &plug, std::uint32_t detailedMask);

// The heading of the wiring section without the lead and number fields:
// "Mapping" over the four wire columns, an empty field over the pair names,
// then "Length", "Delay" and "Loop Resistance" each over a value and a
// limit, as far as the mask chooses them. The export writes it in place of
// the heading line it finds.
std::string wiringHeading(std::uint32_t detailedMask);

// True for a line of a detail block (it begins with two tabs).
bool isDetailLine(const std::string &line);

}  // namespace quillet::autotest
