// The standards stored in the demo unit, with the formulas their limit
// curves were drawn from (the demo's plugs are measured against them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "limit_formulas.h"
#include "standard.h"

namespace torvik::sim {

struct DemoStandard {
    Standard standard;
    std::string name;                             // its message text
    const LinkClassFormulas *formulas = nullptr;  // copper standards only
};

// Numbers in the demo unit's standard list.
namespace demo {
inline constexpr uint8_t kCat5ePermanentLink = 0;
inline constexpr uint8_t kCat6PermanentLink = 1;
inline constexpr uint8_t kClassDPermanentLink = 2;
inline constexpr uint8_t kClassEPermanentLink = 3;
inline constexpr uint8_t kClassEChannel = 4;
inline constexpr uint8_t kBasicLink = 5;
inline constexpr uint8_t kOpticalLink = 6;
}  // namespace demo

// The standards in NORM? order; their names take messages from
// `firstMessage` on.
std::vector<DemoStandard> demoStandards(uint16_t firstMessage);

}  // namespace torvik::sim
