// CPrise: its archive layout with a curve, the exemption and curve gates
// of old documents (the remote return loss exemption as one byte), deep
// copies, and the worst-case entries of the measurement block.
#include <gtest/gtest.h>

#include <algorithm>

#include "prise.h"
#include "record_io.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::loadBytes;
using testing::storeBytes;

CGrphMes oneCurve() {
    CGrphMes c;
    c.title = "C";
    c.kind = 3;
    c.pairCode = 2;
    return c;
}

CPrise samplePlug() {
    CPrise p;
    p.plugId = "P1";
    p.testTime = 0x11223344;
    p.resultType = 5;
    p.rlTesterExempt = 1;
    p.rlRemoteExempt = 1;
    p.nextRemoteExempt = 1;
    p.psNextTesterExempt = 1;
    p.block[0] = 0x80;
    p.block[106] = 0x7F;
    p.curves[5].push_back(oneCurve());
    return p;
}

Bytes curveBytes() {
    return ByteBuilder{}({0x01})("C")({0x00})     // title, text 2
        ({0x03, 0, 0, 0, 0, 0, 0, 0})              // kind 3, time stamp 0
        ({0xFF, 0xFF, 0xFF, 0xFF})                 // no verdict
        ({0x02})                                   // pair code
        .zeros(8)                                  // side, limit flag
        .zeros(4)                                  // no values, no frequencies
        .out;
}

Bytes blockBytes() {
    return ByteBuilder{}({0x80}).zeros(105)({0x7F}).out;
}

Bytes plugHead() {
    return ByteBuilder{}({0x02})("P1")({0x00})    // plug id, text 2
        ({0x44, 0x33, 0x22, 0x11})                 // test time
        ({0x05, 0x00, 0x00, 0x00})                 // result type 5
        .out;
}

TEST(PriseArchive, Layout) {
    const Bytes expected = ByteBuilder{}(plugHead())
                               ({1, 0, 0, 0, 1, 0, 0, 0})  // RL exemptions
                               ({0, 0, 0, 0, 1, 0, 0, 0})  // NEXT exemptions
                               ({1, 0, 0, 0, 0, 0, 0, 0})  // PSNEXT exemptions
                               (blockBytes())
                               .zeros(5 * 2)                // slots 0 to 4 empty
                               ({0x01, 0x00})               // slot 5: one curve
                               ({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")(curveBytes())
                               .zeros(9 * 2)                // slots 6 to 14 empty
                               .out;
    EXPECT_EQ(storeBytes(samplePlug()), expected);
    const auto loaded = loadBytes<CPrise>(expected, "D.06");
    ASSERT_TRUE(loaded.ok) << loaded.fault;
    EXPECT_EQ(loaded.consumed, expected.size());
    EXPECT_EQ(loaded.record, samplePlug());
}

// A plug as an older program stored it: RL exemptions (the remote one as a
// byte before the NEXT exemptions), NEXT and PSNEXT exemptions, curves,
// each only when the revision held them. Every stored flag is 1 (the byte
// form holds 7, read as 1).
struct PlugRevision {
    const char *revision;
    bool rl;
    bool rlRemoteAsDword;
    bool next;
    bool psNext;
    bool curves;
};

Bytes oldPlug(const PlugRevision &c) {
    ByteBuilder b;
    b(plugHead());
    if (c.rl) {
        b({1, 0, 0, 0});
        if (c.rlRemoteAsDword) {
            b({1, 0, 0, 0});
        } else {
            b({7});
        }
    }
    if (c.next) b({1, 0, 0, 0, 1, 0, 0, 0});
    if (c.psNext) b({1, 0, 0, 0, 1, 0, 0, 0});
    b(blockBytes());
    if (c.curves) {
        b.zeros(5 * 2)({0x01, 0x00})({0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00})("CGrphMes")(curveBytes()).zeros(9 * 2);
    }
    return b.out;
}

class PriseGates : public ::testing::TestWithParam<PlugRevision> {};

TEST_P(PriseGates, ReadWhatTheRevisionHeld) {
    const PlugRevision &c = GetParam();
    const Bytes bytes = oldPlug(c);
    const auto loaded = loadBytes<CPrise>(bytes, c.revision);
    ASSERT_TRUE(loaded.ok) << loaded.fault;
    EXPECT_EQ(loaded.consumed, bytes.size());
    const CPrise &p = loaded.record;
    EXPECT_EQ(p.plugId, "P1");
    EXPECT_EQ(p.rlTesterExempt, c.rl ? 1 : 0);
    EXPECT_EQ(p.rlRemoteExempt, c.rl ? 1 : 0);
    EXPECT_EQ(p.nextTesterExempt + p.nextRemoteExempt, c.next ? 2 : 0);
    EXPECT_EQ(p.psNextTesterExempt + p.psNextRemoteExempt, c.psNext ? 2 : 0);
    EXPECT_EQ(p.block[106], 0x7F);
    EXPECT_EQ(p.hasAnyCurve(), c.curves);
}

INSTANTIATE_TEST_SUITE_P(Revisions, PriseGates,
                         ::testing::Values(PlugRevision{"A.02", false, false, false, false, false},
                                           PlugRevision{"A.05", true, false, false, false, false},
                                           PlugRevision{"A.08", true, true, true, true, false},
                                           PlugRevision{"D.01", true, true, true, true, false},
                                           PlugRevision{"D.06", true, true, true, true, true},
                                           PlugRevision{"Z.16", false, false, false, false, false},
                                           PlugRevision{"Z.17", true, false, false, false, false},
                                           PlugRevision{"Z.20", true, true, true, false, false},
                                           PlugRevision{"Z.26", true, true, true, true, false},
                                           PlugRevision{"Z.27", true, true, true, true, true}));

TEST(PriseGates, BeforeTheRecordNothingIsRead) {
    for (const char *revision : {"Z.05", ""}) {
        const auto loaded = loadBytes<CPrise>(storeBytes(samplePlug()), revision);
        EXPECT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.consumed, 0u);
        EXPECT_EQ(loaded.record, CPrise{});
    }
}

TEST(PriseArchive, CurveOfAnotherClassIsRefused) {
    Bytes bytes = storeBytes(samplePlug());
    const std::string name = "CGrphMes";
    auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    std::copy_n("CSite\0\0\0", 8, at);  // same length on disk: 8 characters
    at[-2] = 5;                           // name length 5, then 3 stray bytes
    const auto loaded = loadBytes<CPrise>(bytes, "D.06");
    ASSERT_FALSE(loaded.ok);
    EXPECT_NE(loaded.fault.find("object of class CSite where a CGrphMes was expected"), std::string::npos)
        << loaded.fault;
}

TEST(PriseCopy, DuplicatesTheCurves) {
    const CPrise source = samplePlug();
    CPrise copy = source;
    copy.curves[5][0].values.Add(1.0f);
    copy.curves[5][0].title = "changed";
    EXPECT_EQ(source.curves[5][0].values.GetSize(), 0);
    EXPECT_EQ(source.curves[5][0].title, "C");
    CPrise assigned;
    assigned.curves[0].push_back(oneCurve());
    assigned = source;
    EXPECT_TRUE(assigned.curves[0].empty()) << "the target's own curves go";
    EXPECT_EQ(assigned, source);
}

TEST(PriseCurves, SlotsAndKinds) {
    CPrise p;
    EXPECT_FALSE(p.hasAnyCurve());
    p.curves[9].push_back(oneCurve());  // PSNEXT tester
    EXPECT_TRUE(p.hasAnyCurve());
    EXPECT_FALSE(p.hasAnyCurveBeforePowerSums());
    p.curves[8].push_back(oneCurve());  // ACR remote
    EXPECT_TRUE(p.hasAnyCurveBeforePowerSums());
    EXPECT_EQ(p.curvesOf(5, Side::Tester), &p.curves[9]);
    EXPECT_EQ(p.curvesOf(4, Side::Remote), &p.curves[8]);
    EXPECT_EQ(p.curvesOf(2, Side::Remote), &p.curves[0]);
    EXPECT_EQ(p.curvesOf(8, Side::Tester), nullptr);
    EXPECT_EQ(p.curvesOfSlot(15), nullptr);
    EXPECT_EQ(p.curvesOfSlot(-1), nullptr);
}

TEST(PriseResult, TypeTests) {
    CPrise p;
    p.resultType = 0;
    EXPECT_TRUE(p.isVoltageStop());
    p.resultType = 1;
    EXPECT_TRUE(p.isWiringFailure());
    for (int type = 2; type < 8; ++type) {
        p.resultType = type;
        EXPECT_TRUE(p.isComplete()) << type;
    }
}

struct WorstCaseEntry {
    Bytes bytes;
    int pairCode;
    int raw;
    double dB;
    int sweepIndex;
};

TEST(WorstCase, Decoding) {
    const WorstCaseEntry cases[] = {
        {{0x3C, 0xA0, 0x05}, 3, 928, 96.0, 5},
        {{0x00, 0x00, 0x00}, 0, 0, -20.0, 0},
        {{0xFF, 0xFF, 0xFF}, 15, 1023, 107.875, 1023},
    };
    for (const WorstCaseEntry &c : cases) {
        const WorstCase wc = decodeWorstCase(std::span<const std::uint8_t, 3>(c.bytes.data(), 3));
        EXPECT_EQ(wc.pairCode, c.pairCode);
        EXPECT_EQ(wc.rawValue, c.raw);
        EXPECT_EQ(wc.valueDb(), c.dB);
        EXPECT_EQ(wc.sweepIndex, c.sweepIndex);
    }
}

struct WorstCaseWhere {
    int kind;
    Side side;
    WorstEntry entry;
    int offset;  // -1: none
};

TEST(WorstCase, EntriesOfTheBlock) {
    CPrise p;
    for (std::size_t i = 0; i < p.block.size(); ++i) p.block[i] = static_cast<std::uint8_t>(i);
    const WorstCaseWhere cases[] = {
        {0, Side::Tester, WorstEntry::A, 17},  {0, Side::Tester, WorstEntry::B, 20},
        {0, Side::Remote, WorstEntry::A, 23},  {1, Side::Remote, WorstEntry::B, 38},
        {2, Side::Tester, WorstEntry::A, 41},  {2, Side::Remote, WorstEntry::A, -1},
        {2, Side::Tester, WorstEntry::B, -1},  {3, Side::Tester, WorstEntry::B, 50},
        {3, Side::Remote, WorstEntry::B, 56},  {3, Side::Tester, WorstEntry::A, -1},
        {4, Side::Tester, WorstEntry::A, 59},  {5, Side::Remote, WorstEntry::A, 77},
        {6, Side::Tester, WorstEntry::B, 86},  {7, Side::Remote, WorstEntry::B, 104},
        {8, Side::Tester, WorstEntry::A, -1},  {-1, Side::Tester, WorstEntry::A, -1},
    };
    for (const WorstCaseWhere &c : cases) {
        const auto bytes = p.worstCaseBytes(c.kind, c.side, c.entry);
        if (c.offset < 0) {
            EXPECT_FALSE(bytes) << "kind " << c.kind;
        } else {
            ASSERT_TRUE(bytes) << "kind " << c.kind;
            EXPECT_EQ((*bytes)[0], c.offset) << "kind " << c.kind;
            EXPECT_EQ((*bytes)[2], c.offset + 2);
        }
    }
}

}  // namespace
}  // namespace quillet::model
