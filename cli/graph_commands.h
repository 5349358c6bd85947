// The graph documents' side of the tool's download and export commands.
#pragma once

#include <string>

#include "tester_session.h"

namespace quillet::cli {

// Downloads the tester's graphs (all, or those of the sites "1,3") with
// their limit curves into OUT; `group` adds them to the end of an
// existing OUT. 0 or 1.
int downloadGraphsCommand(const LinkOptions &link, const std::string &output, const std::string &sites, bool group);

// Writes the text export of every curve of a graph document. 0 or 1.
int exportGraphDocument(const std::string &input, const std::string &output, bool append);

}  // namespace quillet::cli
