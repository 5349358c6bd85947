// The compatibility list a firmware file carries in the data of its
// records: after the marker "___LIST_COMP_HEX|", references separated by
// "|", ended by "||".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rivo {

inline constexpr std::string_view kListMarker = "___LIST_COMP_HEX|";

// Eight decimal digits, one upper-case letter, two decimal digits.
bool isMonitorReference(std::string_view text);

// Follows the text stream of a file's records and collects the list,
// whatever records the marker, the entries and the closing "||" are split
// over.
class CompatListReader {
public:
    // Adds the data text of the next record.
    void addRecordText(std::string_view text);

    bool markerFound() const { return markerFound_; }
    bool complete() const { return complete_; }
    // The list text up to (without) the closing "||"; meaningful once complete.
    const std::string &listText() const { return listText_; }

private:
    void searchMarker();
    void collectList();

    std::string pending_;  // text not yet searched or collected
    std::string listText_;
    bool markerFound_ = false;
    bool complete_ = false;
};

// The entries of a complete list text, in order. False (with `entries`
// holding what came before) at the first entry that is not a reference.
bool splitCompatList(const std::string &listText, std::vector<std::string> &entries);

}  // namespace rivo
