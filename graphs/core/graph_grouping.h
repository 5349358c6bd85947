// Saving a graph document into an existing graph file with the ADD choice:
// the file keeps everything it holds and gets the document's curves at its
// end, and the names of the document's sites it does not list yet.
#pragma once

#include "graph_file.h"

namespace quillet::graphs {

void addToGraphFile(model::GraphFile &existing, const model::GraphFile &added);

}  // namespace quillet::graphs
