// The unit description: everything a simulated tester stores and reports,
// as a JSON document (see docs/unit-description.md).
#pragma once

#include <string>

#include "json_fields.h"
#include "unit.h"

namespace torvik::sim {

std::string describeUnit(const Unit &unit);
// Throws UnitDescriptionError (or the JSON parser's error) with the place
// of the first fault.
Unit unitFromDescription(const std::string &text);

Json unitToJson(const Unit &unit);
Unit unitFromJson(const Json &json);

}  // namespace torvik::sim
