// quillet-cli report: the certification report of one site, or of every
// site, as one PDF file, drawn by the same routine as the site window's
// printed pages.
#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

void addReportCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
