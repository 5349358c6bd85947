// The archive encodings byte for byte: scalars, the three string forms, the
// two count forms, and the object tags with their shared numbering; then
// every malformed input the reader must refuse.
#include <gtest/gtest.h>

#include <string>

#include "archive_reader.h"
#include "archive_writer.h"
#include "bytes.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;

TEST(ArchiveScalars, LittleEndianWithoutPadding) {
    ArchiveWriter w;
    w.writeByte(0xAB);
    w.writeWord(0x1234);
    w.writeShort(-2);
    w.writeDword(0x89ABCDEF);
    w.writeLong(-1);
    w.writeFloat(1.5f);
    const Bytes expected = {0xAB,                    // byte
                            0x34, 0x12,              // word
                            0xFE, 0xFF,              // short -2
                            0xEF, 0xCD, 0xAB, 0x89,  // double word
                            0xFF, 0xFF, 0xFF, 0xFF,  // long -1
                            0x00, 0x00, 0xC0, 0x3F}; // float 1.5
    EXPECT_EQ(w.bytes(), expected);

    ArchiveReader r(expected);
    EXPECT_EQ(r.readByte(), 0xAB);
    EXPECT_EQ(r.readWord(), 0x1234);
    EXPECT_EQ(r.readShort(), -2);
    EXPECT_EQ(r.readDword(), 0x89ABCDEFu);
    EXPECT_EQ(r.readLong(), -1);
    EXPECT_EQ(r.readFloat(), 1.5f);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

struct StringForm {
    std::size_t length;
    Bytes prefix;
};

class ArchiveStringForms : public ::testing::TestWithParam<StringForm> {};

TEST_P(ArchiveStringForms, PrefixThenCharacters) {
    const StringForm &form = GetParam();
    const std::string text(form.length, 'x');
    ArchiveWriter w;
    w.writeString(text);
    ASSERT_EQ(w.bytes().size(), form.prefix.size() + form.length);
    EXPECT_EQ(Bytes(w.bytes().begin(), w.bytes().begin() + static_cast<long>(form.prefix.size())),
              form.prefix);

    ArchiveReader r(w.bytes());
    EXPECT_EQ(r.readString(), text);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ArchiveStringForms,
    ::testing::Values(StringForm{0, {0x00}}, StringForm{3, {0x03}}, StringForm{254, {0xFE}},
                      StringForm{255, {0xFF, 0xFF, 0x00}},       // 255 needs the word form
                      StringForm{0xFFFD, {0xFF, 0xFD, 0xFF}},    // last word length
                      StringForm{0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                      StringForm{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

struct CountForm {
    std::uint32_t count;
    Bytes bytes;
};

class ArchiveCountForms : public ::testing::TestWithParam<CountForm> {};

TEST_P(ArchiveCountForms, WordOrEscapedDoubleWord) {
    const CountForm &form = GetParam();
    ArchiveWriter w;
    w.writeCount(form.count);
    EXPECT_EQ(w.bytes(), form.bytes);

    Bytes withItems = form.bytes;
    withItems.resize(withItems.size() + form.count);  // one byte per item
    ArchiveReader r(withItems);
    EXPECT_EQ(r.readCount(1), form.count);
    EXPECT_TRUE(r.ok());
}

INSTANTIATE_TEST_SUITE_P(Counts, ArchiveCountForms,
                         ::testing::Values(CountForm{0, {0x00, 0x00}},
                                           CountForm{0xFFFE, {0xFE, 0xFF}},
                                           CountForm{0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
                                           CountForm{70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(ArchiveTags, ClassesAndObjectsShareOneNumbering) {
    ArchiveWriter w;
    w.writeNewObject(ArchiveClass::GrphMes);
    w.writeNewObject(ArchiveClass::GrphMes);
    w.writeNewObject(ArchiveClass::Prise);
    w.writeNewObject(ArchiveClass::GrphMes);
    const Bytes expected = ByteBuilder{}({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")  // class 1, object 2
                               ({0x01, 0x80})                                              // class 1: object 3
                               ({0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00})("CPrise")            // class 4, object 5
                               ({0x01, 0x80})                                              // object 6
                               .out;
    EXPECT_EQ(w.bytes(), expected);

    ArchiveReader r(expected);
    EXPECT_TRUE(r.readNewObject(ArchiveClass::GrphMes));
    EXPECT_TRUE(r.readNewObject(ArchiveClass::GrphMes));
    EXPECT_TRUE(r.readNewObject(ArchiveClass::Prise));
    EXPECT_TRUE(r.readNewObject(ArchiveClass::GrphMes));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

// A class first written after `before` objects of another class takes the
// number before + 2; from 0x7FFF on its tag is escaped.
struct LateClass {
    std::uint32_t before;
    Bytes secondTag;
};

class ArchiveBigClassTags : public ::testing::TestWithParam<LateClass> {};

TEST_P(ArchiveBigClassTags, EscapeFrom0x7FFF) {
    const LateClass &c = GetParam();
    ArchiveWriter w;
    for (std::uint32_t i = 0; i < c.before; ++i) w.writeNewObject(ArchiveClass::Prise);
    w.writeNewObject(ArchiveClass::GrphMes);
    const std::size_t start = w.bytes().size();
    w.writeNewObject(ArchiveClass::GrphMes);
    EXPECT_EQ(Bytes(w.bytes().begin() + static_cast<long>(start), w.bytes().end()), c.secondTag);

    ArchiveReader r(w.bytes());
    for (std::uint32_t i = 0; i < c.before; ++i) ASSERT_TRUE(r.readNewObject(ArchiveClass::Prise));
    EXPECT_TRUE(r.readNewObject(ArchiveClass::GrphMes));
    EXPECT_TRUE(r.readNewObject(ArchiveClass::GrphMes));
    EXPECT_TRUE(r.ok()) << r.fault().what;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ArchiveBigClassTags,
    ::testing::Values(LateClass{0x7FFC, {0xFE, 0xFF}},  // class 0x7FFE: 0x8000 + number
                      LateClass{0x7FFD, {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80}},  // class 0x7FFF
                      LateClass{0x9000, {0xFF, 0x7F, 0x02, 0x90, 0x00, 0x80}}));

struct BadArchive {
    const char *name;
    Bytes bytes;
    const char *fault;  // part of the expected message
    std::size_t offset;
};

void PrintTo(const BadArchive &c, std::ostream *os) { *os << c.name; }

class ArchiveFaults : public ::testing::TestWithParam<BadArchive> {};

// Each fixture is read as: a string, then one CPrise object (whose class,
// when defined, is preceded by a CGrphMes object) - see readFixture.
void readFixture(ArchiveReader &r) {
    const std::uint8_t kind = r.readByte();
    if (kind == 's') {
        r.readString();
    } else if (kind == 'c') {
        r.readCount(4);
    } else if (kind == 'w') {
        r.readDword();
    } else {
        if (kind == 'g') r.readNewObject(ArchiveClass::GrphMes);
        r.readNewObject(ArchiveClass::Prise);
    }
}

TEST_P(ArchiveFaults, RefusedWithOffset) {
    const BadArchive &c = GetParam();
    ArchiveReader r(c.bytes);
    readFixture(r);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.fault().what.find(c.fault), std::string::npos) << r.fault().what;
    EXPECT_EQ(r.fault().offset, c.offset);
    // Sticky: nothing more is read.
    const std::size_t at = r.offset();
    EXPECT_EQ(r.readByte(), 0);
    EXPECT_EQ(r.offset(), at);
}

const BadArchive kBadArchives[] = {
    {"TruncatedScalar", ByteBuilder{}("w")({0x01, 0x02}).out, "ends inside a double word", 1},
    {"StringLongerThanFile", ByteBuilder{}("s")({0x05})("abc").out,
     "string of 5 characters is longer than the 3 bytes left", 1},
    {"HugeStringLength", ByteBuilder{}("s")({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}).out,
     "string of 2147483647 characters", 1},
    {"WideStringMark", ByteBuilder{}("s")({0xFF, 0xFE, 0xFF}).out, "wide-character", 1},
    {"CountBeyondFile", ByteBuilder{}("c")({0x03, 0x00}).zeros(11).out,
     "count of 3 items needs at least 12 bytes, 11 left", 1},
    {"HugeCount", ByteBuilder{}("c")({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).out,
     "count of 4294967295 items", 1},
    {"UnknownClass", ByteBuilder{}("o")({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CFoo!").out,
     "unknown class name \"CFoo!\"", 1},
    {"ClassNameBeyondFile", ByteBuilder{}("o")({0xFF, 0xFF, 0x00, 0x00, 0x40, 0x00})("CPr").out,
     "class name of 64 characters is longer than the 3 bytes left", 1},
    {"SchemaOne", ByteBuilder{}("o")({0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00})("CPrise").out,
     "class CPrise has schema 1", 1},
    {"NullTag", ByteBuilder{}("o")({0x00, 0x00}).out, "no object (null tag) where a CPrise", 1},
    {"ObjectTagToNothing", ByteBuilder{}("o")({0x05, 0x00}).out, "object tag 5 points to nothing", 1},
    {"BigObjectTagToNothing", ByteBuilder{}("o")({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}).out,
     "object tag 65536 points to nothing", 1},
    {"ClassTagToNothing", ByteBuilder{}("o")({0x01, 0x80}).out, "class tag 1 points to nothing", 1},
    {"WrongClassByName", ByteBuilder{}("o")({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CNorm").out,
     "object of class CNorm where a CPrise was expected", 1},
    // CGrphMes is class 1 and its object number 2.
    {"WrongClassByTag",
     ByteBuilder{}("g")({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")({0x01, 0x80}).out,
     "object of class CGrphMes where a CPrise was expected", 15},
    {"ClassTagToObject",
     ByteBuilder{}("g")({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")({0x02, 0x80}).out,
     "class tag 2 points to an object of class CGrphMes", 15},
    {"ObjectTagToClass",
     ByteBuilder{}("g")({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")({0x01, 0x00}).out,
     "object tag 1 points to the class CGrphMes", 15},
    {"SharedObject",
     ByteBuilder{}("g")({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")({0x02, 0x00}).out,
     "already read", 15},
    {"TruncatedTag", ByteBuilder{}("o")({0xFF}).out, "ends inside a word", 1},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ArchiveFaults, ::testing::ValuesIn(kBadArchives),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(ArchiveFaults, ContextNamesWhatWasBeingRead) {
    const Bytes bytes = {0x01};
    ArchiveReader r(bytes);
    {
        ArchiveReader::Scope outer(r, "standards", 2);
        ArchiveReader::Scope inner(r, "limit curves");
        r.readWord();
    }
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.fault().context, "standards[2] > limit curves");
}

}  // namespace
}  // namespace quillet::model
