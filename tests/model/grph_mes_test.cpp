// CGrphMes: its archive layout byte for byte, the pair code gate, and deep
// copies of its two float arrays.
#include <gtest/gtest.h>

#include "grph_mes.h"
#include "record_io.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::loadBytes;
using testing::storeBytes;

CGrphMes sampleCurve() {
    CGrphMes c;
    c.title = "Tit";
    c.kind = 3;
    c.timeStamp = 0x01020304;
    c.verdictCode = 2;
    c.pairCode = 5;
    c.side = 1;
    c.values.Add(-1.5f);
    c.frequencies.Add(1.0f);
    return c;
}

// Title to verdict code: the part before the gated pair code.
Bytes curveHead() {
    return ByteBuilder{}({0x03})("Tit")({0x00})                // title, empty text 2
        ({0x03, 0x00, 0x00, 0x00})                             // kind 3
        ({0x04, 0x03, 0x02, 0x01})                             // time stamp
        ({0x02, 0x00, 0x00, 0x00})                             // verdict code 2
        .out;
}

Bytes curveTail() {
    return ByteBuilder{}({0x01, 0x00, 0x00, 0x00})             // remote side
        ({0x00, 0x00, 0x00, 0x00})                             // not a limit
        ({0x01, 0x00, 0x00, 0x00, 0xC0, 0xBF})                 // values: -1.5
        ({0x01, 0x00, 0x00, 0x00, 0x80, 0x3F})                 // frequencies: 1.0
        .out;
}

TEST(GrphMesArchive, Layout) {
    const Bytes expected = ByteBuilder{}(curveHead())({0x05})(curveTail()).out;
    EXPECT_EQ(storeBytes(sampleCurve()), expected);
    const auto loaded = loadBytes<CGrphMes>(expected, "D.06");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.record, sampleCurve());
}

TEST(GrphMesArchive, EmptyCurveEndsWithTwoZeroCounts) {
    const Bytes bytes = storeBytes(CGrphMes{});
    const Bytes expected = ByteBuilder{}({0x03})("...")({0x00})  // default title, empty text 2
                               ({0x00, 0x00, 0x00, 0x00})         // kind
                               ({0x00, 0x00, 0x00, 0x00})         // time stamp
                               ({0xFF, 0xFF, 0xFF, 0xFF})         // no verdict
                               ({0xFF})                           // no pair
                               .zeros(8)                          // side, limit flag
                               ({0x00, 0x00, 0x00, 0x00})         // two counts of 0
                               .out;
    EXPECT_EQ(bytes, expected);
}

struct PairCodeRevision {
    const char *revision;
    bool stored;
};

class GrphMesGates : public ::testing::TestWithParam<PairCodeRevision> {};

TEST_P(GrphMesGates, PairCodeOnlyWhereItWasStored) {
    const PairCodeRevision &c = GetParam();
    ByteBuilder b;
    b(curveHead());
    if (c.stored) b({0x05});
    b(curveTail());
    const auto loaded = loadBytes<CGrphMes>(b.out, c.revision);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.consumed, b.out.size());
    EXPECT_EQ(loaded.record.pairCode, c.stored ? 5 : CGrphMes::kNoPair);
    EXPECT_EQ(loaded.record.side, 1);
}

INSTANTIATE_TEST_SUITE_P(Revisions, GrphMesGates,
                         ::testing::Values(PairCodeRevision{"D.00", false}, PairCodeRevision{"D.02", true},
                                           PairCodeRevision{"Z.26", false}, PairCodeRevision{"Z.27", true},
                                           PairCodeRevision{"", false}));

TEST(GrphMesCopy, IsIndependent) {
    CGrphMes source;
    for (int i = 0; i < 201; ++i) {
        source.values.Add(static_cast<float>(i));
        source.frequencies.Add(static_cast<float>(i) / 2);
    }
    CGrphMes copy = source;
    ASSERT_EQ(copy.values.GetSize(), 201);
    copy.values.SetAt(0, 99);
    copy.frequencies.RemoveAll();
    EXPECT_EQ(source.values.GetAt(0), 0);
    EXPECT_EQ(source.frequencies.GetSize(), 201);
}

}  // namespace
}  // namespace quillet::model
