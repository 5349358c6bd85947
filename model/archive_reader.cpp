#include "archive_reader.h"

#include <algorithm>
#include <bit>

namespace quillet::model {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::size_t kShownNameLength = 64;  // of an unknown class name in a message

std::string quoted(std::string_view name) {
    std::string text = "\"";
    text += name.substr(0, kShownNameLength);
    if (name.size() > kShownNameLength) text += "...";
    return text + "\"";
}

std::string bytesText(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

std::string aClass(ArchiveClass cls) { return std::string("a ") + std::string(className(cls)); }

}  // namespace

ArchiveReader::ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    numbered_.push_back({ArchiveClass::Site, false});  // number 0: no object
}

void ArchiveReader::setRevision(std::string_view revision) {
    revision_ = normalRevision(revision);
    passed_.reset();
    for (const GateEntry &entry : gateTable()) {
        passed_.set(static_cast<std::size_t>(entry.gate), model::passes(revision_, entry.gate));
    }
}

bool ArchiveReader::need(std::size_t size, const char *item) {
    if (fault_) return false;
    if (remaining() >= size) return true;
    failAt(pos_, std::string("the file ends inside ") + item + ": " + bytesText(size) + " needed, " +
                     std::to_string(remaining()) + " left");
    return false;
}

std::uint8_t ArchiveReader::readByte() {
    if (!need(1, "a byte")) return 0;
    return bytes_[pos_++];
}

std::uint16_t ArchiveReader::readWord() {
    if (!need(2, "a word")) return 0;
    const auto value = static_cast<std::uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return value;
}

std::int16_t ArchiveReader::readShort() { return static_cast<std::int16_t>(readWord()); }

std::uint32_t ArchiveReader::readDword() {
    if (!need(4, "a double word")) return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return value;
}

std::int32_t ArchiveReader::readLong() { return static_cast<std::int32_t>(readDword()); }

float ArchiveReader::readFloat() {
    if (!need(4, "a float")) return 0.0f;
    return std::bit_cast<float>(readDword());
}

std::string ArchiveReader::readString() {
    const std::size_t at = pos_;
    std::uint32_t length = readByte();
    if (length == 0xFF) {
        length = readWord();
        if (length == 0xFFFE) {
            failAt(at, "string with the wide-character mark 0xFFFE (not a text of this program)");
            return {};
        }
        if (length == 0xFFFF) length = readDword();
    }
    if (fault_) return {};
    if (length > remaining()) {
        failAt(at, "string of " + std::to_string(length) + " characters is longer than the " +
                       std::to_string(remaining()) + " bytes left in the file");
        return {};
    }
    std::string text(reinterpret_cast<const char *>(bytes_.data() + pos_), length);
    pos_ += length;
    return text;
}

std::uint32_t ArchiveReader::readCount(std::size_t minItemBytes) {
    const std::size_t at = pos_;
    std::uint32_t count = readWord();
    if (count == 0xFFFF) count = readDword();
    if (fault_) return 0;
    const auto needed = static_cast<unsigned long long>(count) * minItemBytes;
    if (needed > remaining()) {
        failAt(at, "count of " + std::to_string(count) + " items needs at least " +
                       std::to_string(needed) + " bytes, " + std::to_string(remaining()) +
                       " left in the file");
        return 0;
    }
    return count;
}

void ArchiveReader::readRaw(std::span<std::uint8_t> out) {
    if (!need(out.size(), "a raw block")) return;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), out.size(), out.begin());
    pos_ += out.size();
}

void ArchiveReader::readFloats(std::span<float> out) {
    if (!need(out.size() * sizeof(float), "an array of floats")) return;
    for (float &value : out) {
        const std::uint8_t *b = bytes_.data() + pos_;
        value = std::bit_cast<float>(static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t{b[3]} << 24));
        pos_ += sizeof(float);
    }
}

bool ArchiveReader::readNewObject(ArchiveClass expected) {
    const std::size_t at = pos_;
    const std::uint16_t tag = readWord();
    if (fault_) return false;
    std::optional<ArchiveClass> cls;
    if (tag == kNewClassTag) {
        cls = readClassDefinition(at);
    } else {
        bool isClassTag = (tag & kClassTag) != 0;
        std::uint32_t number = tag & ~kClassTag;
        if (tag == kBigTag) {
            const std::uint32_t big = readDword();
            if (fault_) return false;
            isClassTag = (big & kBigClassTag) != 0;
            number = big & ~kBigClassTag;
        }
        if (!isClassTag) {
            refuseObjectReference(number, expected, at);
            return false;
        }
        cls = classOfNumber(number, at);
    }
    if (!cls) return false;
    if (*cls != expected) {
        failAt(at, "object of class " + std::string(className(*cls)) + " where " +
                       aClass(expected) + " was expected");
        return false;
    }
    numbered_.push_back({*cls, false});
    return true;
}

std::optional<ArchiveClass> ArchiveReader::readClassDefinition(std::size_t tagOffset) {
    const std::uint16_t schema = readWord();
    const std::uint16_t length = readWord();
    if (fault_) return std::nullopt;
    if (length > remaining()) {
        failAt(tagOffset, "class name of " + std::to_string(length) +
                              " characters is longer than the " + std::to_string(remaining()) +
                              " bytes left in the file");
        return std::nullopt;
    }
    const std::string_view name(reinterpret_cast<const char *>(bytes_.data() + pos_), length);
    pos_ += length;
    const std::optional<ArchiveClass> cls = classNamed(name);
    if (!cls) {
        failAt(tagOffset, "unknown class name " + quoted(name));
        return std::nullopt;
    }
    if (schema != kArchiveSchema) {
        failAt(tagOffset, "class " + std::string(name) + " has schema " + std::to_string(schema) +
                              ", only schema 0 is known");
        return std::nullopt;
    }
    numbered_.push_back({*cls, true});
    return cls;
}

std::optional<ArchiveClass> ArchiveReader::classOfNumber(std::uint32_t number,
                                                         std::size_t tagOffset) {
    if (number == 0 || number >= numbered_.size()) {
        failAt(tagOffset, "class tag " + std::to_string(number) + " points to nothing (" +
                              std::to_string(numbered_.size() - 1) + " numbers given so far)");
        return std::nullopt;
    }
    if (!numbered_[number].isClass) {
        failAt(tagOffset, "class tag " + std::to_string(number) + " points to an object of class " +
                              std::string(className(numbered_[number].cls)) + ", not to a class");
        return std::nullopt;
    }
    return numbered_[number].cls;
}

void ArchiveReader::refuseObjectReference(std::uint32_t number, ArchiveClass expected,
                                          std::size_t tagOffset) {
    if (number == 0) {
        failAt(tagOffset, "no object (null tag) where " + aClass(expected) + " was expected");
    } else if (number >= numbered_.size()) {
        failAt(tagOffset, "object tag " + std::to_string(number) + " points to nothing (" +
                              std::to_string(numbered_.size() - 1) + " numbers given so far)");
    } else if (numbered_[number].isClass) {
        failAt(tagOffset, "object tag " + std::to_string(number) + " points to the class " +
                              std::string(className(numbered_[number].cls)) + ", not to an object");
    } else {
        failAt(tagOffset, "object tag " + std::to_string(number) + " points to " +
                              aClass(numbered_[number].cls) +
                              " already read; an owned record cannot appear twice");
    }
}

void ArchiveReader::failAt(std::size_t offset, std::string what) {
    if (fault_) return;
    fault_ = ArchiveFault{std::move(what), offset, contextText()};
}

std::string ArchiveReader::contextText() const {
    std::string text;
    for (const auto &[name, index] : scopes_) {
        if (!text.empty()) text += " > ";
        text += name;
        if (index >= 0) text += "[" + std::to_string(index) + "]";
    }
    return text;
}

ArchiveReader::Scope::Scope(ArchiveReader &reader, const char *name, std::int64_t index)
    : reader_(reader) {
    reader_.scopes_.emplace_back(name, index);
}

ArchiveReader::Scope::~Scope() { reader_.scopes_.pop_back(); }

}  // namespace quillet::model
