// A fixed-size record being filled as the tester sends it: numbers most
// significant byte first, texts zero-padded to their field.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace torvik::sim {

class RecordBytes {
public:
    explicit RecordBytes(std::size_t size) : bytes_(size, '\0') {}

    void u8(std::size_t offset, uint8_t value) { bytes_.at(offset) = static_cast<char>(value); }
    void u16(std::size_t offset, uint16_t value)
    {
        u8(offset, static_cast<uint8_t>(value >> 8));
        u8(offset + 1, static_cast<uint8_t>(value));
    }
    void s16(std::size_t offset, int16_t value) { u16(offset, static_cast<uint16_t>(value)); }
    // Least significant byte first, as some old firmware sent a few words.
    void u16LittleEndian(std::size_t offset, uint16_t value)
    {
        u8(offset, static_cast<uint8_t>(value));
        u8(offset + 1, static_cast<uint8_t>(value >> 8));
    }
    void u32(std::size_t offset, uint32_t value)
    {
        u16(offset, static_cast<uint16_t>(value >> 16));
        u16(offset + 2, static_cast<uint16_t>(value));
    }
    // At most `size` bytes of `text`; the rest of the field stays zero.
    void text(std::size_t offset, std::size_t size, std::string_view text)
    {
        bytes_.replace(offset, std::min(size, text.size()), text.substr(0, size));
    }

    const std::string &bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

}  // namespace torvik::sim
