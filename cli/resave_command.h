#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "resave IN OUT": loads a document file by the kind its header names and
// stores it as this program stores it (its own header, every field).
void addResaveCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
