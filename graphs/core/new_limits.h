// "&New limits...": limit curves of the tester's standards, at the
// frequencies of a curve of the document. The link must be open; the
// caller closes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graph_file.h"
#include "transfer_interaction.h"

namespace quillet::graphs {

// One line per standard and measurement kind it holds limits for:
// "TSS\tstandard\tkind\t" (T the kind 0..7, SS the 1-based standard).
// Nothing when the user cancelled or the tester could not be asked.
std::optional<std::vector<std::string>> listTesterLimits(model::UserInteraction &ui);

// The limit curves of the chosen lines at the frequencies of `reference`,
// in line order; a standard that cannot be read is reported and skipped, a
// cancel keeps what was read.
std::vector<model::CGrphMes> readLimitCurves(const std::vector<std::string> &chosenLines,
                                             const model::CGrphMes &reference, model::UserInteraction &ui);

// The whole dialogue (listing, dialog 107 asked again while nothing is
// chosen, reading); the new curves are added to the end of `file`. The
// number of curves added.
int runNewLimits(model::UserInteraction &ui, model::GraphFile &file, std::size_t referenceCurve);

}  // namespace quillet::graphs
