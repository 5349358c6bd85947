#include "firmware_gates.h"

#include <string>

namespace torvik::sim {

namespace {

std::string upperCased(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// Revisions M..., P..., ?K... and ?Z... follow neither release line.
bool belongsToSomeRange(const std::string &revision)
{
    if (revision.empty() || revision[0] == 'M' || revision[0] == 'P')
        return false;
    return revision.size() < 2 || (revision[1] != 'K' && revision[1] != 'Z');
}

}  // namespace

bool isRevisionInRange(std::string_view revision, RevisionRange range)
{
    const std::string r = upperCased(revision);
    if (!belongsToSomeRange(r))
        return false;
    constexpr std::string_view zSeriesStart = "Z.00";
    // std::string compares bytes as unsigned char, as the tester does.
    const bool ordinary = r.compare(range.ordinary) >= 0 && r.compare(zSeriesStart) < 0;
    return ordinary || r.compare(range.zSeries) >= 0;
}

}  // namespace torvik::sim
