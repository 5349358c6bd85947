// The steps of an autotest download that need no window: listing the
// tester's sites for selection, reading the chosen ones, and grouping
// downloaded sites into those of an existing file. The link must be open
// for the first two.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "regional.h"
#include "site.h"
#include "transfer_interaction.h"

namespace quillet::model {

// One line per site slot that holds tested plugs: "NN\tname\tplugs\tdate\t"
// (NN the 1-based slot). Nothing when the user cancelled or the tester
// could not be asked (a query the line spoilt is sent again first); an
// empty list when no slot holds a site.
std::optional<std::vector<std::string>> listTesterSites(UserInteraction &ui, const Regional &regional);

// The slot (0-based) and site name a listing line stands for.
int slotOfLine(const std::string &line);
std::string siteNameOfLine(const std::string &line);

// Reads the sites of the chosen lines in order. A site that cannot be read,
// or has no plug, is reported and left out.
std::vector<CSite> downloadSites(const std::vector<std::string> &chosenLines, UserInteraction &ui);

// What a download could not bring, by site name, for the front ends to
// report and for the tool's exit code. A site read only in part (a link
// failure or a Cancel in the middle) keeps the plugs finished before.
struct DownloadReport {
    std::vector<std::string> incompleteSites;  // kept, with the plugs read before the transfer stopped
    std::vector<std::string> unreadSites;      // nothing kept: unreadable, or not asked once it stopped
    bool cancelled = false;                    // the user stopped the transfer
    bool lineLost = false;                     // the tester stopped answering

    bool complete() const { return incompleteSites.empty() && unreadSites.empty() && !cancelled; }
};

// As above; after a Cancel or when the tester no longer answers, nothing
// more is asked. Every site cut short or not read is reported (a message
// each) and listed in `report`.
std::vector<CSite> downloadSites(const std::vector<std::string> &chosenLines, UserInteraction &ui,
                                 DownloadReport &report);

// Groups downloaded sites into a file's sites: a site of a new name is
// appended; for a name already there (byte-wise, case-sensitive) the user is
// asked, and on Yes each plug replaces the file's plug of the same
// identifier unless that one was tested later, or is appended.
void groupSites(std::vector<CSite> &fileSites, const std::vector<CSite> &downloaded, UserInteraction &ui);

}  // namespace quillet::model
