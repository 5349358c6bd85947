#include "archive_writer.h"

#include <bit>
#include <utility>

namespace quillet::model {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;  // a double word number follows
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassTag = 0x80000000u;

}  // namespace

void ArchiveWriter::writeByte(std::uint8_t value) { out_.push_back(value); }

void ArchiveWriter::writeWord(std::uint16_t value) {
    out_.push_back(static_cast<std::uint8_t>(value));
    out_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::writeShort(std::int16_t value) { writeWord(static_cast<std::uint16_t>(value)); }

void ArchiveWriter::writeDword(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ArchiveWriter::writeLong(std::int32_t value) { writeDword(static_cast<std::uint32_t>(value)); }

void ArchiveWriter::writeFloat(float value) { writeDword(std::bit_cast<std::uint32_t>(value)); }

void ArchiveWriter::writeString(std::string_view text) {
    const std::size_t length = text.size();
    if (length < 0xFF) {
        writeByte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        writeByte(0xFF);
        writeWord(static_cast<std::uint16_t>(length));
    } else {
        writeByte(0xFF);
        writeWord(0xFFFF);
        writeDword(static_cast<std::uint32_t>(length));
    }
    out_.insert(out_.end(), text.begin(), text.end());
}

void ArchiveWriter::writeCount(std::uint32_t count) {
    if (count < 0xFFFF) {
        writeWord(static_cast<std::uint16_t>(count));
    } else {
        writeWord(0xFFFF);
        writeDword(count);
    }
}

void ArchiveWriter::writeRaw(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::writeFloats(std::span<const float> values) {
    std::size_t at = out_.size();
    out_.resize(at + values.size() * sizeof(float));  // grows geometrically, as push_back does
    for (float value : values) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) out_[at++] = static_cast<std::uint8_t>(bits >> shift);
    }
}

void ArchiveWriter::writeNewObject(ArchiveClass cls) {
    std::uint32_t &classNumber = classNumbers_[static_cast<std::size_t>(cls)];
    if (classNumber == 0) {
        const std::string_view name = className(cls);
        writeWord(kNewClassTag);
        writeWord(kArchiveSchema);
        writeWord(static_cast<std::uint16_t>(name.size()));
        out_.insert(out_.end(), name.begin(), name.end());
        classNumber = nextNumber_++;
    } else if (classNumber < kBigTag) {
        writeWord(static_cast<std::uint16_t>(kClassTag | classNumber));
    } else {
        writeWord(kBigTag);
        writeDword(kBigClassTag | classNumber);
    }
    ++nextNumber_;  // the object's own number
}

}  // namespace quillet::model
