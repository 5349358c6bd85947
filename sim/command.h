// Splitting a received command line into its name and arguments.
#pragma once

#include <string>

#include "simulator.h"

namespace torvik::sim {

// "NORM? 3,1" gives name "NORM?" and args {"3", "1"}: the name ends at the
// first space, the arguments are split at spaces and commas, empty ones
// skipped.
Command parseCommand(const std::string &line);

}  // namespace torvik::sim
