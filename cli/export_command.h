#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "export": the text export of one site of an autotest file, as its window
// shows it right after opening the file; the listing of a standards file
// (.nrm). The input's extension chooses which.
void addExportCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
