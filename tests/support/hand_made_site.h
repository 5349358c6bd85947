// Small hand-made sites and plugs for the verdict and list tests: a copper
// site on a flat sweep, flat limit curves with their uncertainty, and plug
// measurement blocks written field by field.
#pragma once

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

#include "site.h"

namespace quillet::testing {

using model::CPrise;
using model::CSite;
using model::LimitRecord;
using model::Side;
using model::WorstEntry;

inline constexpr std::uint16_t kAllTests = 0x3FFF;

// A copper site on a flat sweep: sweep index i is (i + 1) MHz.
inline CSite copperSite() {
    CSite site;
    site.nvp = 690;
    site.standard.pairCount = 4;
    site.standard.pairMask = 0x55;
    site.standard.testsMask = kAllTests;
    site.standard.maxLength = 90;
    site.standard.maxDelay = 470;
    site.standard.maxSkew = 45;
    site.standard.maxLoopResistance = 10;
    site.standard.sweep = {{60, 60, 99}};
    return site;
}

// A flat limit of `db` with an uncertainty of `uncertaintyDb` over 1..100 MHz.
inline std::vector<LimitRecord> flatLimit(double db, double uncertaintyDb) {
    const auto value = static_cast<std::uint16_t>(db * 8);
    const auto aux = static_cast<std::uint8_t>(uncertaintyDb * 8);
    return {{3, 0, 0, 0}, {60, 0, value, aux}, {6000, 0, value, aux}};
}

inline void setLimit(CSite &site, int kind, std::vector<LimitRecord> records) {
    site.standard.limits[static_cast<std::size_t>(model::CNorm::limitIndexOfKind(kind))] = std::move(records);
}

inline void setWord(CPrise &plug, std::size_t offset, std::uint16_t value) {
    plug.block[offset] = static_cast<std::uint8_t>(value & 0xFF);
    plug.block[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void setDelays(CPrise &plug, std::array<std::uint16_t, 4> delays) {
    for (std::size_t p = 0; p < 4; ++p) setWord(plug, 9 + 2 * p, delays[p]);
}

// Writes a worst-case entry where the plug keeps it, found by asking the
// plug which block bytes it reads. `index` is the sweep index.
inline void setWorstCase(CPrise &plug, int kind, Side side, WorstEntry entry, int pair, double db, int index) {
    CPrise probe;
    for (std::size_t i = 0; i < probe.block.size(); ++i) probe.block[i] = static_cast<std::uint8_t>(i);
    const auto where = probe.worstCaseBytes(kind, side, entry);
    ASSERT_TRUE(where.has_value());
    const std::size_t at = (*where)[0];
    const auto raw = static_cast<int>(db * 8 + 160);
    plug.block[at] = static_cast<std::uint8_t>((pair << 4) | (((raw >> 8) & 3) << 2) | ((index >> 8) & 3));
    plug.block[at + 1] = static_cast<std::uint8_t>(raw & 0xFF);
    plug.block[at + 2] = static_cast<std::uint8_t>(index & 0xFF);
}

// The same worst case in every entry the kind has, at 10 MHz.
inline void setAllWorstCases(CPrise &plug, int kind, double db) {
    for (Side side : {Side::Tester, Side::Remote}) {
        for (WorstEntry entry : {WorstEntry::A, WorstEntry::B}) {
            if (plug.worstCaseBytes(kind, side, entry)) setWorstCase(plug, kind, side, entry, 1, db, 9);
        }
    }
}

}  // namespace quillet::testing
