// Intel-HEX records as the upgrader tests them: ":" and an even number of
// hexadecimal digits (at least ten) whose bytes sum to 0 modulo 256.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rivo {

// The end record; a line containing it ends a firmware file.
inline constexpr std::string_view kEndRecord = ":00000001FF";

// The bytes of a record (count, address, type, data, checksum), or nothing
// when the line is not a sound record. Carriage returns and line feeds are
// removed first; hexadecimal digits may be of either case.
std::optional<std::vector<uint8_t>> recordBytes(std::string_view line);

// The record's data bytes as characters, a 0x00 byte written as "|": the
// text stream that carries the compatibility list.
std::string recordDataText(const std::vector<uint8_t> &bytes);

// Extended address records (":0200000" followed by the type digit) carry
// no firmware text.
bool isExtendedAddressRecord(std::string_view upperCaseLine);

bool containsEndRecord(std::string_view upperCaseLine);

std::string toUpper(std::string_view text);

// The line without its carriage returns and line feeds.
std::string withoutLineEnds(std::string_view line);

}  // namespace rivo
