// Opening the link to the tester for a command of the tool: the stored
// parameters (or those given), the device, and the minimum-version check.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "comm_params.h"

namespace quillet::cli {

struct LinkOptions {
    std::optional<std::string> params;  // "1,38400,n,8,1,n"; else the profile's
    std::optional<std::string> device;  // device of the chosen port
};

// Adds --params and --device to a command; `options` must outlive parsing.
void addLinkOptions(CLI::App &command, LinkOptions &options);

// The parameters the command uses: given, stored in the profile, or default.
CommParams resolveCommParams(const LinkOptions &options);

// Opens the link; on failure prints why and returns false (link closed).
// A tester that needs a newer program is reported and the work goes on.
bool openTesterLink(const LinkOptions &options);

// Windows-1252 text as UTF-8 for the terminal.
std::string toTerminal(const std::string &ansi);

}  // namespace quillet::cli
