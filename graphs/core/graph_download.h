// The steps of a graph download that need no window: listing the graphs the
// tester stores for selection, then reading the chosen ones into a graph
// document, each with the limit curve of its site's standard (one per site
// and kind). The link must be open; the caller closes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graph_file.h"
#include "regional.h"
#include "transfer_interaction.h"

namespace quillet::graphs {

// One line per stored graph: "SSGGG\tsite\tpair\tidentifier\tkind\tdate\t"
// (SS the 1-based site, GGG the 1-based graph of the site). Nothing when the
// user cancelled or the tester could not be asked.
std::optional<std::vector<std::string>> listTesterGraphs(model::UserInteraction &ui, const Regional &regional);

// Site and graph (0-based) a listing line stands for.
int siteOfGraphLine(const std::string &line);
int graphOfGraphLine(const std::string &line);

struct GraphDownload {
    model::GraphFile file;
    std::string title;  // the first site name read
};

// Reads the graphs of the chosen lines in order. A site, graph or section
// that cannot be read is reported and skipped; a cancel keeps what was
// read. Nothing when no curve was read.
std::optional<GraphDownload> downloadGraphs(const std::vector<std::string> &chosenLines, model::UserInteraction &ui);

// The whole dialogue: listing, selection (dialog 114, asked again while
// nothing is chosen) and reading. `saveAfterTransfer` receives the
// selection's "&Save data after transfer" box.
std::optional<GraphDownload> runGraphDownload(model::UserInteraction &ui, const Regional &regional,
                                              bool &saveAfterTransfer);

}  // namespace quillet::graphs
