// The command-line options of torvik-sim that make the tester misbehave,
// so that anyone can show a download surviving a poor line.
#pragma once

#include <CLI/CLI.hpp>

#include "simulator.h"

namespace torvik::sim {

// Adds the fault options to the program; `faults` must outlive parsing.
void addFaultOptions(CLI::App &app, Faults &faults);

}  // namespace torvik::sim
