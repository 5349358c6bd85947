// The command line of torvik-sim.
#pragma once

#include <string>

#include "simulator.h"

namespace torvik::sim {

struct ProgramSettings {
    Unit unit;
    Options options;
    Faults faults;  // injected from the start; none by default
    bool trace = false;
    bool dumpUnit = false;  // print the unit's description instead of serving
};

enum class ParseOutcome { Run, ExitOk, ExitError };

// Fills `settings` from argv. Help is printed to stdout (ExitOk); errors to
// stderr (ExitError).
ParseOutcome parseCommandLine(int argc, char **argv, ProgramSettings &settings);

}  // namespace torvik::sim
