// Comparisons of what libtorvlink decoded with what the simulated unit
// stores, field by field, as the desktop program reads each field.
#pragma once

#include <string>
#include <vector>

#include "torvlink.h"
#include "unit.h"

namespace unitread {

// A test section (type 0) against its plug, in the layout of the site's
// standard, decoded by a firmware of the current forms.
void expectTestSection(const SectionRecord &record, const torvik::sim::Plug &plug,
                       const torvik::sim::Standard &standard);

// The values a curve or graph chain carries: a first value and signed
// steps of 1/8 dB; `steps` gives the step counts of the first and the
// following sections.
struct StepLayout {
    std::size_t firstOffset;  // of the first value's word
    std::size_t firstSteps;   // offset of the steps in the first section
    std::size_t firstCount;
    std::size_t nextCount;
};
std::vector<int16_t> chainValues(const std::vector<SectionRecord> &sections, const StepLayout &layout,
                                 std::size_t valueCount);

// Pair code, value (1/8 dB) and sweep index of a worst-case entry at the
// result block offset.
torvik::sim::WorstCase worstCaseAt(const SectionRecord &record, std::size_t blockOffset);

}  // namespace unitread
