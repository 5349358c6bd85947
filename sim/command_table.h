// The commands a simulated tester understands, by name.
#pragma once

#include <map>
#include <string>

#include "simulator.h"

namespace torvik::sim {

using CommandTable = std::map<std::string, Handler>;

// The identity and small text queries: PP?, *IDN?, USER_ID?,
// QUILLET_MINVER?, UNCERTS?, MSG?. The handlers read `unit`, which must
// outlive the table.
void addIdentityQueries(CommandTable &table, const Unit &unit);

}  // namespace torvik::sim
