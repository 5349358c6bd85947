// quillet-cli plot: a graph file, or the curves of one plug of an autotest
// file, drawn into a PNG, PDF or SVG file by the plot's own draw routine,
// without a display.
#pragma once

#include <CLI/CLI.hpp>

namespace quillet::cli {

void addPlotCommand(CLI::App &app, int &exitCode);

}  // namespace quillet::cli
