#include "compat_list.h"

#include <algorithm>

namespace rivo {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool isMonitorReference(std::string_view text)
{
    if (text.size() != 11)
        return false;
    return std::all_of(text.begin(), text.begin() + 8, isDigit) && text[8] >= 'A' && text[8] <= 'Z'
        && isDigit(text[9]) && isDigit(text[10]);
}

void CompatListReader::addRecordText(std::string_view text)
{
    if (complete_)
        return;
    pending_ += text;
    if (!markerFound_)
        searchMarker();
    if (markerFound_)
        collectList();
}

// Text before the marker is dropped; a tail that may be the start of the
// marker is kept for the next record.
void CompatListReader::searchMarker()
{
    const std::size_t at = pending_.find(kListMarker);
    if (at != std::string::npos) {
        markerFound_ = true;
        pending_.erase(0, at + kListMarker.size());
        return;
    }
    const std::size_t keep = std::min(pending_.size(), kListMarker.size() - 1);
    pending_.erase(0, pending_.size() - keep);
}

// The closing "||" may straddle two records, so it is looked for in the
// list collected so far.
void CompatListReader::collectList()
{
    const std::size_t from = listText_.empty() ? 0 : listText_.size() - 1;
    listText_ += pending_;
    pending_.clear();
    const std::size_t end = listText_.find("||", from);
    if (end == std::string::npos)
        return;
    listText_.erase(end);
    complete_ = true;
}

bool splitCompatList(const std::string &listText, std::vector<std::string> &entries)
{
    entries.clear();
    if (listText.empty())
        return true;
    std::size_t begin = 0;
    while (true) {
        const std::size_t bar = listText.find('|', begin);
        const std::string entry = listText.substr(begin, bar == std::string::npos ? bar : bar - begin);
        if (!isMonitorReference(entry))
            return false;
        entries.push_back(entry);
        if (bar == std::string::npos)
            return true;
        begin = bar + 1;
    }
}

}  // namespace rivo
