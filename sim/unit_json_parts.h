// The parts of a unit description, written and read by the record they
// describe (unit_json.cpp puts them together).
#pragma once

#include <cstdint>

#include "json_fields.h"
#include "site.h"
#include "standard.h"

namespace torvik::sim {

// Measurement kinds and sides by name: "next", "elfext", "attenuation",
// "returnLoss", "acr", "psNext", "psElfext", "psAcr"; "tester", "remote".
const char *kindName(std::size_t kind);
uint8_t kindFromJson(const JsonReader &reader, const char *key);
uint8_t sideFromJson(const JsonReader &reader, const char *key);

Json standardToJson(const Standard &standard);
Standard standardFromJson(const JsonReader &reader);

// A plug's result block is written in the layout the site's standard gives
// it; `standard` may be null when the site names no stored standard.
Json siteToJson(const Site &site, const Standard *standard);
Site siteFromJson(const JsonReader &reader);

}  // namespace torvik::sim
