// Reads the archive encodings from a byte span (a whole document in memory)
// and checks everything it reads against the bytes that are left: a count
// or a length is refused before anything is allocated for it.
//
// Errors are sticky: the first fault is recorded with its byte offset and
// the records being read at the time; from then on every read returns zero
// or empty without moving, so a record's load stops cheaply and its caller
// tests ok() once. Nothing here throws.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive_class.h"
#include "revision.h"

namespace quillet::model {

struct ArchiveFault {
    std::string what;        // "unknown class name \"CFoo\""
    std::size_t offset = 0;  // where the faulty item begins
    std::string context;     // "standards[2] > limit curves", empty at top level
};

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes);

    // The document revision every record's gates are tested against; ""
    // (an archive that belongs to no document) passes no gate.
    void setRevision(std::string_view revision);
    const std::string &revision() const { return revision_; }
    bool passes(Gate gate) const { return passed_.test(static_cast<std::size_t>(gate)); }

    std::uint8_t readByte();
    std::uint16_t readWord();
    std::int16_t readShort();
    std::uint32_t readDword();
    std::int32_t readLong();
    float readFloat();
    std::string readString();
    // A count of items, each of which takes at least minItemBytes in the
    // archive; a count the bytes left cannot hold is a fault.
    std::uint32_t readCount(std::size_t minItemBytes);
    void readRaw(std::span<std::uint8_t> out);
    // Consecutive floats, checked once for all of them.
    void readFloats(std::span<float> out);

    // The tag of an element of an owning array: true when a new object of
    // the expected class follows. A null tag, a tag naming no class or
    // object, a class of another name, a schema other than 0 or a reference
    // to an object already read (owned objects are never shared) is a fault.
    bool readNewObject(ArchiveClass expected);

    bool ok() const { return !fault_; }
    const ArchiveFault &fault() const { return *fault_; }
    void fail(std::string what) { failAt(pos_, std::move(what)); }
    void failAt(std::size_t offset, std::string what);

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    // Names what is being read, for the context of a fault:
    // ArchiveReader::Scope scope(reader, "curves", slot);
    class Scope {
    public:
        Scope(ArchiveReader &reader, const char *name, std::int64_t index = -1);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        ArchiveReader &reader_;
    };

private:
    bool need(std::size_t size, const char *item);
    std::string contextText() const;
    std::optional<ArchiveClass> readClassDefinition(std::size_t tagOffset);
    std::optional<ArchiveClass> classOfNumber(std::uint32_t number, std::size_t tagOffset);
    void refuseObjectReference(std::uint32_t number, ArchiveClass expected, std::size_t tagOffset);

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::string revision_;
    std::bitset<32> passed_;
    std::optional<ArchiveFault> fault_;
    std::vector<std::pair<const char *, std::int64_t>> scopes_;
    // What each number of the archive stands for; index 0 is "no object".
    struct Numbered {
        ArchiveClass cls;
        bool isClass;
    };
    std::vector<Numbered> numbered_;
};

}  // namespace quillet::model
