#include "conv_cab.h"

#include <cstring>

#include "archive_reader.h"
#include "archive_writer.h"

namespace quillet::model {
namespace {

constexpr std::size_t kWiresPerSide = 8;
constexpr std::size_t kNamesPerSide = 12;  // 8 wires, then 4 pairs

std::uint8_t bit(std::uint8_t byte, int n) { return static_cast<std::uint8_t>((byte >> n) & 1); }

}  // namespace

void CConvCab::setFlagsFromByte(std::uint8_t flags) {
    reversedPairs = bit(flags, 5);
    flag2 = bit(flags, 6);
    flag3 = bit(flags, 7);
}

std::string CConvCab::nameAt(std::size_t index) const {
    const auto *first = reinterpret_cast<const char *>(wireNames.data() + index * kNameSize);
    return std::string(first, strnlen(first, kNameSize));
}

std::string CConvCab::wireName(Side side, int wire) const {
    if (wire < 0 || wire >= static_cast<int>(kWiresPerSide)) return "";
    return nameAt(static_cast<std::size_t>(side) * kNamesPerSide + static_cast<std::size_t>(wire));
}

std::string CConvCab::pairName(Side side, int pair) const {
    if (pair < 0 || pair > 3) return "";
    const int named = reversedPairs ? 3 - pair : pair;
    return nameAt(static_cast<std::size_t>(side) * kNamesPerSide + kWiresPerSide +
                  static_cast<std::size_t>(named));
}

namespace {
int pinOrNone(int pin) { return pin >= 1 && pin <= static_cast<int>(kWiresPerSide) ? pin : 0; }
}  // namespace

std::array<int, 2> CConvCab::pinsOfPair(int pair) const {
    if (pair < 0 || pair > 3) return {0, 0};
    const int byte = pairMap[static_cast<std::size_t>(pair)];
    return {pinOrNone(byte >> 4), pinOrNone(byte & 0x0F)};
}

int CConvCab::remotePin(int testerPin) const {
    if (pinOrNone(testerPin) == 0) return 0;
    return pinOrNone(pinMap[static_cast<std::size_t>(testerPin - 1)]);
}

void CConvCab::store(ArchiveWriter &ar) const {
    ar.writeString(name);
    ar.writeByte(reversedPairs);
    ar.writeByte(flag2);
    ar.writeByte(flag3);
    ar.writeRaw(pinMap);
    ar.writeRaw(pairMap);
    ar.writeRaw(wireNames);
}

void CConvCab::load(ArchiveReader &ar) {
    ArchiveReader::Scope scope(ar, "CConvCab");
    name = ar.readString();
    reversedPairs = ar.readByte();
    flag2 = ar.readByte();
    flag3 = ar.readByte();
    ar.readRaw(pinMap);
    ar.readRaw(pairMap);
    ar.readRaw(wireNames);
}

}  // namespace quillet::model
