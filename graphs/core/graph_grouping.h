// Saving a graph document into an existing graph file with the ADD choice:
// the file keeps everything it holds and gets the document's curves at its
// end, and the names of the document's sites it does not list yet.
#pragma once

#include "graph_file.h"

namespace quillet::graphs {

void addToGraphFile(model::GraphFile &existing, const model::GraphFile &added);

}  // namespace quillet::graphs

namespace quillet::graphs {

// Saves the document to `path`: alone (REPLACE, or a new file), or - with
// `add` and an existing file - after that file's curves (ADD). A file that
// cannot be read as a graph document is left as it is and the error given.
model::SaveResult saveGraphDocument(const std::string &path, const model::GraphFile &file, bool add);

}  // namespace quillet::graphs
