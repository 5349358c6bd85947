#include "revision_gate.h"

#include <cctype>
#include <string>

#include "link_state.h"

namespace torvlink {
namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char &c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Measuring-unit revisions only: "M" and "P" revisions (other firmware of
// the unit) and the "?K"/"?Z" forms belong to no range.
bool belongsToSomeRange(const std::string &r) {
    if (r.size() < 2) return false;
    return r[0] != 'M' && r[0] != 'P' && r[1] != 'K' && r[1] != 'Z';
}

}  // namespace

bool isRevisionInRange(std::string_view revision, const RevisionRange &range) {
    const std::string r = upper(revision);
    if (!belongsToSomeRange(r)) return false;
    return (r >= range.ordinary && r < "Z.00") || r >= range.zSeries;
}

bool isRevisionInRange(const RevisionRange &range) {
    return isRevisionInRange(link().revision, range);
}

}  // namespace torvlink
