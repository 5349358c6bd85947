// Writes the archive encodings: little-endian scalars without padding,
// strings and counts in their short and long forms, raw blocks, and the tags
// of new objects with the numbering that classes and objects share.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "archive_class.h"

namespace quillet::model {

class ArchiveWriter {
public:
    void writeByte(std::uint8_t value);
    void writeWord(std::uint16_t value);
    void writeShort(std::int16_t value);
    void writeDword(std::uint32_t value);
    void writeLong(std::int32_t value);
    void writeFloat(float value);
    // Length below 255: one byte; below 0xFFFE: 0xFF and a word; otherwise
    // 0xFF, word 0xFFFF and a double word. The characters follow as they are.
    void writeString(std::string_view text);
    // Below 0xFFFF: a word; otherwise word 0xFFFF and a double word.
    void writeCount(std::uint32_t count);
    void writeRaw(std::span<const std::uint8_t> bytes);
    void writeFloats(std::span<const float> values);

    // The tag of a new object of the class; its Serialize output follows.
    // The first object of a class writes the class by name (and the class
    // takes a number); every object takes the next number.
    void writeNewObject(ArchiveClass cls);

    const std::vector<std::uint8_t> &bytes() const { return out_; }
    std::vector<std::uint8_t> release() { return std::move(out_); }

private:
    std::vector<std::uint8_t> out_;
    std::uint32_t nextNumber_ = 1;  // 0 stands for "no object"
    std::array<std::uint32_t, kArchiveClassCount> classNumbers_{};  // 0: not written yet
};

}  // namespace quillet::model
