#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "identify": the port, rate, model, serial number, revision and user of the
// connected tester, as the desktop program's identification shows them.
void addIdentifyCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
