#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "info FILE": the kind, revision and comment of a document file and how
// many records it holds.
void addInfoCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
