// The sections of the tester's memory as "SECT?" sends them: 408 bytes, a
// type in bits 0 and 1 of byte 0 and the number of the next section of the
// chain in bytes 1 and 2 (filled in by the memory layout).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "site.h"
#include "standard.h"

namespace torvik::sim {

inline constexpr std::size_t kSectionSize = 408;

// Type 0: one tested plug and its results, laid out for the site's
// standard (copper, value mode or optical).
std::string encodeTestSection(const Plug &plug, const Standard &standard, std::string_view revision);

// Type 3 and as many type 2 as the values need: a plug's curve, one value
// for every second sweep point, sent as a first value and steps.
std::vector<std::string> encodeCurveSections(const PlugCurve &curve, std::string_view revision);

// Type 1 and type 2: a graph, one value per sweep point.
std::vector<std::string> encodeGraphSections(const Graph &graph, std::string_view revision);

void setNextSection(std::string &section, uint16_t next);

// Steps between consecutive values must fit a signed byte.
bool stepsFitBytes(const std::vector<int16_t> &values);

}  // namespace torvik::sim
