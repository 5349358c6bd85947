// CNorm: its archive layout byte for byte, the gates of old documents with
// their optical-table conversions, the bounds on curve and sweep counts,
// and the small queries the views and verdicts use.
#include <gtest/gtest.h>

#include "norm.h"
#include "record_io.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::loadBytes;
using testing::storeBytes;

CNorm sampleNorm() {
    CNorm n;
    n.name = "ISO";
    n.pairCount = 4;
    n.pairMask = 0x55;
    n.zcTolerance = 15;
    n.maxLoopResistance = 25;
    n.maxLength = 90;
    n.maxSkew = 50;
    n.maxDelay = 555;
    n.testsMask = 0x1FFF;
    n.maxFrequency = 100000;
    n.limits[0] = {LimitRecord{2, 0x0103, 0x00F0, 5}};
    n.sweep = {SweepSegment{60, 3, 200}};
    n.optical[0] = {OpticalLimit{850, 250}, OpticalLimit{1300, 150}};
    n.optical[1] = {OpticalLimit{850, 300}, OpticalLimit{1300, 150}};
    n.optical[2] = {OpticalLimit{1310, 100}, OpticalLimit{1550, 80}};
    return n;
}

// Everything before the optical tables, wire numbers optional.
Bytes normHead(bool withWireNumbers) {
    ByteBuilder b;
    b({0x03})("ISO")                           // name
        ({0x04, 0x55})                          // pairs, pair mask
        ({0x0F, 0x00, 0x19, 0x00, 0x5A, 0x00})  // Zc 15, loop 25, length 90
        ({0x32, 0x00, 0x2B, 0x02, 0xFF, 0x1F})  // skew 50, delay 555, tests 0x1FFF
        ({0x00})                                // flags
        ({0xA0, 0x86, 0x01, 0x00});             // 100000 kHz
    if (withWireNumbers) b({1, 2, 3, 4, 5, 6, 7, 8});
    b({0x01, 0x00, 0x02, 0x00, 0x03, 0x01, 0xF0, 0x00, 0x05})  // NEXT: one record
        .zeros(7 * 2)                                            // seven empty curves
        ({0x01, 0x00, 0x3C, 0x00, 0x03, 0x00, 0xC8, 0x00});      // sweep: (60, 3, 200)
    return b.out;
}

TEST(NormArchive, Layout) {
    const Bytes expected = ByteBuilder{}(normHead(true))
                               ({0x52, 0x03, 0xFA, 0x00, 0x14, 0x05, 0x96, 0x00})   // 50 µm: 850/250, 1300/150
                               ({0x52, 0x03, 0x2C, 0x01, 0x14, 0x05, 0x96, 0x00})   // 62.5 µm: 850/300, 1300/150
                               ({0x1E, 0x05, 0x64, 0x00, 0x0E, 0x06, 0x50, 0x00})   // mono: 1310/100, 1550/80
                               .out;
    EXPECT_EQ(storeBytes(sampleNorm()), expected);
    const auto loaded = loadBytes<CNorm>(expected, "D.06");
    ASSERT_TRUE(loaded.ok) << loaded.fault;
    EXPECT_EQ(loaded.record, sampleNorm());
}

// Old documents: wire numbers 8..1 when stored, optical tables of two
// entries each ((850, 25), (1300, 15)) and ((1310, 10), (1550, 8)) when two.
struct NormRevision {
    const char *revision;
    bool wireNumbers;
    int opticalBytes;  // 0, 16 or 24
    int factor;        // 10 when the limits were tenths
};

Bytes oldNorm(const NormRevision &c) {
    Bytes head = normHead(false);
    ByteBuilder b;
    b(Bytes(head.begin(), head.begin() + 23));  // up to the wire numbers
    if (c.wireNumbers) b({8, 7, 6, 5, 4, 3, 2, 1});
    b(Bytes(head.begin() + 23, head.end()));
    if (c.opticalBytes == 16) {
        b({0x52, 0x03, 0x19, 0x00, 0x14, 0x05, 0x0F, 0x00})   // 850/25, 1300/15
         ({0x1E, 0x05, 0x0A, 0x00, 0x0E, 0x06, 0x08, 0x00});  // 1310/10, 1550/8
    } else if (c.opticalBytes == 24) {
        b({0x52, 0x03, 0x19, 0x00, 0x14, 0x05, 0x0F, 0x00})
         ({0x52, 0x03, 0x19, 0x00, 0x14, 0x05, 0x0F, 0x00})
         ({0x1E, 0x05, 0x0A, 0x00, 0x0E, 0x06, 0x08, 0x00});
    }
    return b.out;
}

class NormGates : public ::testing::TestWithParam<NormRevision> {};

TEST_P(NormGates, ReadWhatTheRevisionHeldAndConvert) {
    const NormRevision &c = GetParam();
    const Bytes bytes = oldNorm(c);
    const auto loaded = loadBytes<CNorm>(bytes, c.revision);
    ASSERT_TRUE(loaded.ok) << loaded.fault;
    EXPECT_EQ(loaded.consumed, bytes.size());
    const CNorm &n = loaded.record;
    EXPECT_EQ(n.name, "ISO");
    using Wires = std::array<std::uint8_t, 8>;
    const Wires stored{8, 7, 6, 5, 4, 3, 2, 1};
    const Wires defaults{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(n.wireNumbers, c.wireNumbers ? stored : defaults);
    std::array<std::array<OpticalLimit, 2>, 3> optical{};
    if (c.opticalBytes > 0) {
        const auto f = static_cast<std::int16_t>(c.factor);
        const std::array<OpticalLimit, 2> multi{{{850, static_cast<std::int16_t>(25 * f)},
                                                 {1300, static_cast<std::int16_t>(15 * f)}}};
        const std::array<OpticalLimit, 2> mono{{{1310, static_cast<std::int16_t>(10 * f)},
                                                {1550, static_cast<std::int16_t>(8 * f)}}};
        optical = {multi, multi, mono};
    }
    EXPECT_EQ(n.optical, optical);
}

INSTANTIATE_TEST_SUITE_P(Revisions, NormGates,
                         ::testing::Values(NormRevision{"A.00", false, 0, 1},   // no wires, no tables
                                           NormRevision{"A.01", true, 0, 1},
                                           NormRevision{"A.05", true, 16, 10},  // two tables in tenths
                                           NormRevision{"A.09", true, 16, 1},   // two tables in hundredths
                                           NormRevision{"A.10", true, 24, 1},
                                           NormRevision{"Z.06", false, 0, 1},
                                           NormRevision{"Z.15", true, 16, 10},
                                           NormRevision{"Z.22", true, 16, 1},
                                           NormRevision{"Z.23", true, 24, 1}));

TEST(NormGates, BeforeTheRecordNothingIsRead) {
    const Bytes bytes = storeBytes(sampleNorm());
    for (const char *revision : {"Z.05", "Z.00", ""}) {
        const auto loaded = loadBytes<CNorm>(bytes, revision);
        EXPECT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.consumed, 0u) << revision;
        EXPECT_EQ(loaded.record, CNorm{});
    }
}

struct BadCount {
    const char *name;
    std::size_t countAt;  // offset of the count word in the sample
    std::uint16_t count;
    const char *fault;
};

class NormCounts : public ::testing::TestWithParam<BadCount> {};

TEST_P(NormCounts, AboveTheTesterOrBeyondTheFile) {
    const BadCount &c = GetParam();
    Bytes bytes = storeBytes(sampleNorm());
    bytes[c.countAt] = static_cast<std::uint8_t>(c.count);
    bytes[c.countAt + 1] = static_cast<std::uint8_t>(c.count >> 8);
    const auto loaded = loadBytes<CNorm>(bytes, "D.06");
    ASSERT_FALSE(loaded.ok);
    EXPECT_NE(loaded.fault.find(c.fault), std::string::npos) << loaded.fault;
}

// Offsets in the sample: name 4, bytes 2, words 12, flags 1, frequency 4,
// wires 8 = 31: the NEXT curve's count; its record 7 more, then 7 words of
// empty curves: the sweep count at 31 + 2 + 7 + 14 = 54.
INSTANTIATE_TEST_SUITE_P(Counts, NormCounts,
                         ::testing::Values(BadCount{"LimitRecords46", 31, 46, "limit record count 46 above the 45"},
                                           BadCount{"LimitBeyondFile", 31, 40, "needs 280 bytes"},
                                           BadCount{"SweepSegments5", 54, 5, "sweep segment count 5 above the 4"}),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(NormArchive, StoresNoMoreThanTheTesterHolds) {
    CNorm n;
    n.limits[3].assign(50, LimitRecord{1, 2, 3, 4});
    n.sweep.assign(6, SweepSegment{1, 2, 3});
    const auto loaded = loadBytes<CNorm>(storeBytes(n), "D.06");
    ASSERT_TRUE(loaded.ok) << loaded.fault;
    EXPECT_EQ(loaded.record.limits[3].size(), CNorm::kMaxLimitRecords);
    EXPECT_EQ(loaded.record.sweep.size(), CNorm::kMaxSweepSegments);
}

TEST(NormQueries, SweepPointsLimitCurvesAndDirections) {
    CNorm n;
    EXPECT_EQ(n.sweepPointCount(), 0);
    n.sweep = {SweepSegment{60, 3, 100}, SweepSegment{700, 6, 200}};
    EXPECT_EQ(n.sweepPointCount(), 201);

    n.limits[1] = {LimitRecord{9, 0, 0, 0}};  // attenuation, second in archive order
    ASSERT_NE(n.limitCurve(2), nullptr);
    EXPECT_EQ(n.limitCurve(2)->front().word0, 9);
    EXPECT_EQ(n.limitCurve(8), nullptr);
    EXPECT_EQ(n.limitCurve(-1), nullptr);
    EXPECT_EQ(CNorm::limitDirection(2), LimitDirection::Maximum);
    EXPECT_EQ(CNorm::limitDirection(0), LimitDirection::Minimum);
    const int expectedIndex[] = {0, 4, 1, 2, 3, 5, 7, 6};
    for (int kind = 0; kind < 8; ++kind) EXPECT_EQ(CNorm::limitIndexOfKind(kind), expectedIndex[kind]);
}

TEST(NormQueries, DisplayNameOfOpticalStandards) {
    CNorm n;
    n.name = "OF-300";
    EXPECT_EQ(n.displayName(), "OF-300");
    n.flags = 0x08;
    EXPECT_EQ(n.displayName(), "TIA568B OF-300 (Opt.)");
    n.name = "ISO11801 OF";
    EXPECT_EQ(n.displayName(), "ISO11801 OF (Opt.)");
}

}  // namespace
}  // namespace quillet::model
