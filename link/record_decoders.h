// Decoding of the tester's binary blocks into its records: pure functions
// over the received bytes (CRC included) and the firmware revision, so
// every conversion can be checked against hand-made blocks.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "torvlink.h"

namespace torvlink::decode {

using Block = std::span<const uint8_t>;

void siteSummary(Block block, char *name, uint32_t &dateTime);
void siteConfig(Block block, std::string_view revision, SiteConfigRecord &out);
void connectionInfo(Block block, ConnectionInfoRecord &out);
void wireNames(Block block, WireNamesRecord &out);
void cable(Block block, CableRecord &out);
void section(Block block, std::string_view revision, int32_t layoutFlags, SectionRecord &out);
void graphSummary(Block block, GraphSummaryRecord &out);
void norm(Block block, std::string_view revision, NormRecord &out);
// The number of segments with a nonzero start; segments beyond the block
// keep what they held.
int16_t sweep(Block block, SweepSegment *segments);
uint16_t limitCurve(Block block, LimitCurve &out);
void limitOpt(Block block, std::string_view revision, LimitOptRecord &out);

// A tester date-time: a value with the top bit set becomes 0x60000000.
uint32_t testerDateTime(uint32_t received);

}  // namespace torvlink::decode
