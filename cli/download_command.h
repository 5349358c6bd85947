#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

// "download": lists the tester's sites, reads the chosen ones and saves them
// into an autotest file, replacing it or grouping into it.
void addDownloadCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
