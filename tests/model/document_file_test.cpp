// The three document files: their layouts byte for byte, the header check,
// the revision gate of the whole file, and the refusal of malformed files
// with a message naming the file and the fault.
#include <gtest/gtest.h>

#include <filesystem>

#include "autotest_file.h"
#include "bytes.h"
#include "document_header.h"
#include "graph_file.h"
#include "norm_file.h"
#include "test_site.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::TestSite;

Bytes header(const char *revision, const char *kind) {
    const std::string text = std::string("Application Quillet\tv") + revision + "\t" + kind;
    return ByteBuilder{}({static_cast<int>(text.size())})(text).out;
}

// A default CNorm as stored.
Bytes defaultNorm() {
    return ByteBuilder{}({0x03})("...")   // name
        .zeros(2 + 12 + 1 + 4)            // pairs, mask, six words, flags, frequency
        ({1, 2, 3, 4, 5, 6, 7, 8})        // wire numbers
        .zeros(8 * 2 + 2)                 // eight empty limit curves, empty sweep
        .zeros(24)                        // optical tables
        .out;
}

// A default CPrise as stored: no curves.
Bytes defaultPlug() {
    return ByteBuilder{}({0x03})("...")({0x00})  // plug id, text 2
        .zeros(4)({0x02, 0, 0, 0})               // time, result type 2
        .zeros(24 + 107 + 15 * 2)                // exemptions, block, empty slots
        .out;
}

Bytes normFileBytes(const char *revision) {
    return ByteBuilder{}(header(revision, "Document Norme"))({0x02})("Hi")  // comment
        ({0x02, 0x00})                                                       // two standards
        ({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CNorm")(defaultNorm())      // class 1, object 2
        ({0x01, 0x80})(defaultNorm())                                       // object 3
        .out;
}

TEST(NormFile, Layout) {
    NormFile file;
    file.comment = "Hi";
    file.standards.resize(2);
    const Bytes expected = normFileBytes("D.06");
    EXPECT_EQ(encodeNormFile(file), expected);
    const auto read = readNormFile(expected, "a.nrm");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read.value().header, "Application Quillet\tvD.06\tDocument Norme");
    EXPECT_EQ(read.value().comment, "Hi");
    EXPECT_EQ(read.value().standards, file.standards);
}

TEST(NormFile, RevisionGatesTheWholeFile) {
    // Z.00 to Z.05: the header only, not even the comment.
    const auto early = readNormFile(normFileBytes("Z.03"), "a.nrm");
    ASSERT_TRUE(early.ok());
    EXPECT_EQ(early.value().comment, "");
    EXPECT_TRUE(early.value().standards.empty());
    // A lower-case revision is the same revision.
    const auto lower = readNormFile(normFileBytes("d.06"), "a.nrm");
    ASSERT_TRUE(lower.ok());
    EXPECT_EQ(lower.value().standards.size(), 2u);
}

TEST(NormFile, OldRevisionReadsOldRecords) {
    // A.00: standards without wire numbers or optical tables.
    const Bytes oldNorm = ByteBuilder{}({0x03})("Old").zeros(19).zeros(18).out;
    const Bytes bytes = ByteBuilder{}(header("A.00", "Document Norme"))({0x00})({0x01, 0x00})
                            ({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CNorm")(oldNorm)
                            .out;
    const auto read = readNormFile(bytes, "old.nrm");
    ASSERT_TRUE(read.ok()) << read.error().text();
    ASSERT_EQ(read.value().standards.size(), 1u);
    EXPECT_EQ(read.value().standards[0].name, "Old");
    EXPECT_EQ(read.value().standards[0].wireNumbers[7], 8);
    // Stored again it is a file of this program, every field written.
    const auto again = readNormFile(encodeNormFile(read.value()), "new.nrm");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value().standards, read.value().standards);
}

TEST(GraphFile, Layout) {
    GraphFile file;
    file.comment = "c";
    file.siteList = "S1, S2";
    file.testerMaker = "M";
    file.testerModel = "T";
    file.testerSerial = "N";
    file.testerRevision = "D.05";
    file.user = "U";
    file.company = "Co";
    file.representationTitle = "R";
    file.commentLines = {"L1", ""};
    file.curves.resize(2);
    file.curves[1].pairCode = 3;
    const Bytes curve = ByteBuilder{}({0x03})("...")({0x00}).zeros(8)({0xFF, 0xFF, 0xFF, 0xFF}).out;
    const Bytes expected = ByteBuilder{}(header("D.06", "Document Graphique"))({0x01})("c")
                               ({0x06})("S1, S2")
                               ({0x01})("M")({0x01})("T")({0x01})("N")({0x04})("D.05")({0x01})("U")({0x02})("Co")
                               ({0x01})("R")
                               ({0x02, 0x00})({0x02})("L1")({0x00})                       // comment lines
                               ({0x02, 0x00})                                              // two curves
                               ({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")(curve)({0xFF}).zeros(12)
                               ({0x01, 0x80})(curve)({0x03}).zeros(12)
                               .out;
    EXPECT_EQ(encodeGraphFile(file), expected);
    const auto read = readGraphFile(expected, "g.frt");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read.value().company, "Co");
    EXPECT_EQ(read.value().commentLines, file.commentLines);
    EXPECT_EQ(read.value().curves, file.curves);
    EXPECT_EQ(encodeGraphFile(read.value()), expected);
}

TEST(GraphFile, CommentLinesAreBounded) {
    // 70000 empty lines: one byte each in the file, a string each in memory.
    const Bytes bytes = ByteBuilder{}(header("D.06", "Document Graphique")).zeros(9)  // nine empty texts
                            ({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})                     // 70000 lines
                            .zeros(70000)
                            .out;
    const auto read = readGraphFile(bytes, "g.frt");
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().text().find("count of 70000 comment lines above the 65535"), std::string::npos)
        << read.error().text();
}

TEST(GraphFile, EarlyZRevisionKeepsTheComment) {
    GraphFile file;
    file.comment = "kept";
    file.curves.resize(1);
    Bytes bytes = encodeGraphFile(file);
    bytes[22] = 'Z';  // after the length byte and "Application Quillet\tv"
    bytes[24] = '0';
    bytes[25] = '5';
    const auto read = readGraphFile(bytes, "g.frt");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read.value().header, "Application Quillet\tvZ.05\tDocument Graphique");
    EXPECT_EQ(read.value().comment, "kept");
    EXPECT_TRUE(read.value().curves.empty());
}

Bytes autotestBytes(const char *revision) {
    return ByteBuilder{}(header(revision, "Document AutoTest"))({0x01})("c")
        ({0x1A})("S1(01/02/03), S2(01/02/03)")                            // summary
        ({0x02, 0x00})                                                     // two sites
        ({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CSite")({0x02})("S1")      // class 1, site 2
        ({0x01, 0x00})({0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00})("CPrise")(defaultPlug())  // class 3, plug 4
        ({0x01, 0x80})({0x02})("S2")                                       // site 5
        ({0x01, 0x00})({0x03, 0x80})(defaultPlug())                        // plug 6
        .out;
}

AutotestFile<TestSite> twoSites() {
    AutotestFile<TestSite> file;
    file.comment = "c";
    file.sites = {TestSite{"S1", {CPrise{}}}, TestSite{"S2", {CPrise{}}}};
    return file;
}

TEST(AutotestFile, LayoutWithNestedTags) {
    const Bytes expected = autotestBytes("D.06");
    EXPECT_EQ(encodeAutotestFile(twoSites()), expected);
    const auto read = readAutotestFile<TestSite>(expected, "t.tat");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read.value().sites, twoSites().sites);
}

TEST(AutotestFile, EarlyZRevisionKeepsTheComment) {
    const auto read = readAutotestFile<TestSite>(autotestBytes("Z.00"), "t.tat");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().comment, "c");
    EXPECT_TRUE(read.value().sites.empty());
}

TEST(AutotestFile, PreviewWithoutSites) {
    const auto preview = readAutotestPreview(autotestBytes("D.06"), "t.tat");
    ASSERT_TRUE(preview.ok());
    EXPECT_EQ(preview.value().comment, "c");
    EXPECT_EQ(preview.value().summary, "S1(01/02/03), S2(01/02/03)");
    EXPECT_EQ(preview.value().siteCount, 2u);
    const auto early = readAutotestPreview(autotestBytes("Z.05"), "t.tat");
    ASSERT_TRUE(early.ok());
    EXPECT_FALSE(early.value().siteCount);
}

struct HeaderCase {
    const char *header;
    DocumentKind kind;
    bool names;
};

TEST(DocumentHeader, NamesItsKind) {
    const HeaderCase cases[] = {
        {"Application Quillet\tvD.06\tDocument AutoTest", DocumentKind::Autotest, true},
        {"Application Quillet\tvD.06\tDocument Graphique", DocumentKind::Graph, true},
        {"Application Quillet\tvA.00\tDocument Norme", DocumentKind::Standards, true},
        {"Application Quillet\tvD.06\tDocument Graph", DocumentKind::Autotest, false},
        {"Application Quillet\tvD.06\tDocument Graph", DocumentKind::Graph, false},
        {"Application Quillet\tvD.06\tDocument Norme", DocumentKind::Graph, false},
        {"Application Quillet Pro\tvD.06\tDocument Norme", DocumentKind::Standards, true},
        {"Quillet\tvD.06\tDocument Norme", DocumentKind::Standards, false},
        // One tab: an autotest header's kind is the rest; the others need two.
        {"Application Quillet\tDocument AutoTest", DocumentKind::Autotest, true},
        {"Application Quillet\tDocument Norme", DocumentKind::Standards, false},
        {"", DocumentKind::Autotest, false},
    };
    for (const HeaderCase &c : cases) {
        EXPECT_EQ(headerNamesKind(c.header, c.kind), c.names) << quotedHeader(c.header);
    }
    EXPECT_EQ(ownHeader(DocumentKind::Standards), "Application Quillet\tvD.06\tDocument Norme");
}

// Malformed standards files: each refused with the file's name and fault.
struct BadFile {
    const char *name;
    Bytes bytes;
    const char *fault;
};

void PrintTo(const BadFile &c, std::ostream *os) { *os << c.name; }

class MalformedFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(MalformedFiles, RefusedWithTheFileAndTheFault) {
    const BadFile &c = GetParam();
    const auto read = readNormFile(c.bytes, "lab/std.nrm");
    ASSERT_FALSE(read.ok());
    const std::string text = read.error().text();
    EXPECT_EQ(text.rfind("lab/std.nrm: ", 0), 0u) << text;
    EXPECT_NE(text.find(c.fault), std::string::npos) << text;
}

Bytes normFileWith(const Bytes &afterCount) {
    return ByteBuilder{}(header("D.06", "Document Norme"))({0x00})({0x01, 0x00})(afterCount).out;
}

const BadFile kBadFiles[] = {
    {"Empty", {}, "the file ends inside a byte: 1 byte needed, 0 left at byte 0 (in header)"},
    {"OtherKind", header("D.06", "Document Graphique"), "not a standards document: its header"},
    {"UnknownClass", normFileWith(ByteBuilder{}({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CNorx").out),
     "unknown class name \"CNorx\" at byte 44 (in standards[0])"},
    {"SchemaTwo", normFileWith(ByteBuilder{}({0xFF, 0xFF, 0x02, 0x00, 0x05, 0x00})("CNorm").out),
     "class CNorm has schema 2"},
    {"WrongClass", normFileWith(ByteBuilder{}({0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00})("CPrise").out),
     "object of class CPrise where a CNorm was expected"},
    {"TagToNothing", normFileWith({0x07, 0x80}), "class tag 7 points to nothing"},
    {"NullTag", normFileWith({0x00, 0x00}), "no object (null tag)"},
    {"CommentLongerThanFile", ByteBuilder{}(header("D.06", "Document Norme"))({0xC8})("short").out,
     "string of 200 characters is longer than the 5 bytes left in the file at byte 41"},
    {"CountLongerThanFile", ByteBuilder{}(header("D.06", "Document Norme"))({0x00})({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F}).out,
     "count of 268435455 items needs at least 536870910 bytes"},
    {"LimitCurveBeyondFile",
     normFileWith(ByteBuilder{}({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00})("CNorm")({0x00}).zeros(27)({0x2D, 0x00}).out),
     "(in standards[0] > CNorm > limit curve[0])"},
};

INSTANTIATE_TEST_SUITE_P(Inputs, MalformedFiles, ::testing::ValuesIn(kBadFiles),
                         [](const auto &p) { return std::string(p.param.name); });

// Every proper prefix of a valid file of each kind is refused cleanly.
TEST(MalformedFiles, EveryTruncationIsAnError) {
    const Bytes files[] = {normFileBytes("D.06"), autotestBytes("D.06"), encodeGraphFile(GraphFile{})};
    for (const Bytes &whole : files) {
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(size));
            const bool refused = !readNormFile(cut, "f").ok() && !readGraphFile(cut, "f").ok() &&
                                 !readAutotestFile<TestSite>(cut, "f").ok();
            EXPECT_TRUE(refused) << "accepted a file cut to " << size << " of " << whole.size() << " bytes";
        }
    }
}

TEST(DocumentFiles, SaveAndLoadThroughTheDisk) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("quillet-doc-" + std::to_string(::getpid()) + ".nrm")).string();
    NormFile file;
    file.comment = "disk";
    file.standards.resize(3);
    file.standards[2].name = "Third";
    ASSERT_TRUE(saveNormFile(path, file).ok());
    const auto loaded = loadNormFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error().text();
    EXPECT_EQ(loaded.value().standards, file.standards);
    EXPECT_FALSE(loadNormFile(path).ok()) << "a missing file is an error, not an empty document";
}

}  // namespace
}  // namespace quillet::model
