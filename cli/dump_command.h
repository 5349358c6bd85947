#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "dump FILE": the whole document as JSON on the standard output.
void addDumpCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
