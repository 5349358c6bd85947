// How a reply goes onto the wire.
#pragma once

#include <cstddef>
#include <string>

#include "simulator.h"

namespace torvik::sim {

// Deliberate damage for fault tests; the default frames a reply faithfully.
struct FramingDamage {
    char blockLead = '#';          // first byte of text and binary blocks
    bool spoilCrc = false;         // flip the bits of the last CRC byte
    std::size_t padLineTo = 0;     // pad line replies with 'X' to this length
};

// Line: text + "\n". Text block: "#0", each line + "\n", then "\n".
// Binary: "#", the digit count of L, L (= data length + 2), the data, its
// CRC-16 most significant byte first, and one terminator "\n". Raw: as is.
std::string frameReply(const Reply &reply, const FramingDamage &damage = {});

}  // namespace torvik::sim
