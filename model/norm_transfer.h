// The steps of a standards download that need no window: listing the
// tester's standards for selection, the selection (asked again while the
// user confirms none) and the reading of the chosen ones. The caller opens
// the link before and closes it after, on every way out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "norm.h"
#include "transfer_interaction.h"

namespace quillet::model {

// One line per standard whose summary and name could be read:
// "NN\tname\t" (NN the 1-based tester number). Nothing when the tester
// could not be asked or the user cancelled the search.
std::optional<std::vector<std::string>> listTesterNorms(UserInteraction &ui);

// The tester index (0-based) and name a listing line stands for. The
// number is read up to the first tab, so numbers above 99 read back too.
int normIndexOfLine(const std::string &line);
std::string normNameOfLine(const std::string &line);

// Reads the standards of the chosen lines in order; one that cannot be
// read is reported ("Unable to read Standard") and left out.
std::vector<CNorm> downloadNorms(const std::vector<std::string> &chosenLines, UserInteraction &ui);

struct NormDownload {
    std::vector<CNorm> standards;
    bool saveAfterTransfer = false;
};

// The whole download on an open link: search, selection (dialog 106; OK
// with nothing chosen says so and searches again), reading. Nothing when
// it ends without a standard: the tester could not be asked, the search or
// the selection was cancelled, none is listed, or none could be read.
std::optional<NormDownload> downloadTesterNorms(UserInteraction &ui);

}  // namespace quillet::model
