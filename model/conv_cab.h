// CConvCab: one wiring convention of the tester (which pins and pairs are
// used, and the names of wires and pairs on each side), copied into the site
// it was tested under.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "measure_kind.h"

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

class CConvCab {
public:
    static constexpr std::size_t kNameSize = 4;  // NUL-padded
    static constexpr std::size_t kNameCount = 24;

    std::string name = "...";
    std::uint8_t reversedPairs = 0;  // pair i is named by pair name 3 - i
    std::uint8_t flag2 = 0;
    std::uint8_t flag3 = 0;
    std::array<std::uint8_t, 8> pinMap{};
    std::array<std::uint8_t, 4> pairMap{};
    // Tester wires 1-8, tester pairs 1-4, remote wires 1-8, remote pairs 1-4.
    std::array<std::uint8_t, kNameSize * kNameCount> wireNames{};

    // The three flags from the tester's flag byte (bits 5 to 7).
    void setFlagsFromByte(std::uint8_t flags);

    // Name of wire 0-7 or pair 0-3 of a side, up to its first NUL.
    std::string wireName(Side side, int wire) const;
    std::string pairName(Side side, int pair) const;

    // The connector pins (1-8) of the two wires of pair 0-3: the high and
    // low half of its pair-map byte; 0 where the convention has no wire.
    std::array<int, 2> pinsOfPair(int pair) const;
    // The remote pin a tester pin 1-8 arrives at on a link wired to the
    // convention (its pin-map byte); 0 for none.
    int remotePin(int testerPin) const;

    // No gates: name, three flags, pin map, pair map, the 96 name bytes.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CConvCab &, const CConvCab &) = default;

private:
    std::string nameAt(std::size_t index) const;
};

}  // namespace quillet::model
