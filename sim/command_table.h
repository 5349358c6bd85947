// The commands a simulated tester understands, by name.
#pragma once

#include <map>
#include <string>

#include "simulator.h"
#include "unit_memory.h"

namespace torvik::sim {

using CommandTable = std::map<std::string, Handler>;

// The identity and small text queries: PP?, *IDN?, USER_ID?,
// QUILLET_MINVER?, UNCERTS?, MSG?. The handlers read `unit`, which must
// outlive the table.
void addIdentityQueries(CommandTable &table, const Unit &unit);

// The stored-record queries: sites, plug tests, graphs, standards and
// limits, in the forms of the unit's firmware revision. Commands the
// revision does not know are left out. `unit` and `memory` must outlive
// the table.
void addRecordQueries(CommandTable &table, const Unit &unit, const UnitMemory &memory);

}  // namespace torvik::sim
