// CCable and CConvCab: their archive layouts byte for byte, the fibre flag
// gates of old documents, and the flags taken from the tester's flag bytes.
#include <gtest/gtest.h>

#include "cable.h"
#include "conv_cab.h"
#include "record_io.h"

namespace quillet::model {
namespace {

using testing::ByteBuilder;
using testing::Bytes;
using testing::loadBytes;
using testing::storeBytes;

CCable sampleCable() {
    CCable c;
    c.name = "Cat6";
    c.fibreFlag1 = 1;
    c.fibreFlag2 = 1;
    c.standardWithoutCable = 1;
    c.nominalImpedance = 100;
    c.value1 = 0x0102;
    c.value2 = 0x0304;
    return c;
}

TEST(CableArchive, Layout) {
    const Bytes expected = ByteBuilder{}({0x04})("Cat6")  // name
                               ({0x01, 0x01})              // fibre flags 1 and 2
                               ({0x00, 0x01, 0x00})        // flag 3, standard without cable, extra row
                               ({0x64})                    // 100 ohms
                               ({0x02, 0x01, 0x04, 0x03})  // value 1, value 2
                               .out;
    EXPECT_EQ(storeBytes(sampleCable()), expected);
    const auto loaded = loadBytes<CCable>(expected, "D.06");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.record, sampleCable());
}

// A cable stored by a program of the given revision: name, the fibre flags
// it knew (both 1), then flag 3 = 1, the rest 0.
struct CableRevision {
    const char *revision;
    bool fibre1Stored;
    bool fibre2Stored;
};

class CableGates : public ::testing::TestWithParam<CableRevision> {};

TEST_P(CableGates, ReadOnlyTheFlagsTheRevisionHeld) {
    const CableRevision &c = GetParam();
    ByteBuilder b;
    b({0x01})("X");
    if (c.fibre1Stored) b({0x01});
    if (c.fibre2Stored) b({0x01});
    b({0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    const auto loaded = loadBytes<CCable>(b.out, c.revision);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.consumed, b.out.size());
    EXPECT_EQ(loaded.record.fibreFlag1, c.fibre1Stored ? 1 : 0);
    EXPECT_EQ(loaded.record.fibreFlag2, c.fibre2Stored ? 1 : 0);
    EXPECT_EQ(loaded.record.flag3, 1);
    // Re-stored, it has every field again, the missing ones at their defaults.
    EXPECT_EQ(storeBytes(loaded.record).size(), 2u + 6u + 4u);
}

INSTANTIATE_TEST_SUITE_P(Revisions, CableGates,
                         ::testing::Values(CableRevision{"A.01", false, false}, CableRevision{"A.05", false, true},
                                           CableRevision{"A.10", true, true}, CableRevision{"Z.11", false, false},
                                           CableRevision{"Z.15", false, true}, CableRevision{"Z.23", true, true}));

TEST(CableArchive, WithoutDocumentReadsOnlyUngatedFields) {
    const Bytes bytes = {0x01, 'X', 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const auto loaded = loadBytes<CCable>(bytes, "");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.consumed, bytes.size());
    EXPECT_EQ(loaded.record.flag3, 1);
}

struct FlagByte {
    std::uint8_t byte;
    CCable expected;
};

TEST(CableFlags, FromTheTesterFlagByte) {
    CCable all;
    all.fibreFlag1 = all.fibreFlag2 = all.flag3 = all.standardWithoutCable = all.extraRow = 1;
    CCable fibre1;
    fibre1.fibreFlag1 = 1;
    for (const FlagByte &f : {FlagByte{0xF8, all}, FlagByte{0x08, fibre1}, FlagByte{0x07, CCable{}}}) {
        CCable c;
        c.setFlagsFromByte(f.byte);
        EXPECT_EQ(c, f.expected) << "flag byte " << int(f.byte);
    }
}

TEST(CableFlags, ChooseTheOpticalTable) {
    CCable c;
    EXPECT_EQ(c.opticalTable(), OpticalTable::MonoMode);
    c.fibreFlag1 = 1;
    EXPECT_EQ(c.opticalTable(), OpticalTable::MonoMode);
    c.fibreFlag2 = 1;
    EXPECT_EQ(c.opticalTable(), OpticalTable::MultiMode50);
    c.fibreFlag1 = 0;
    EXPECT_EQ(c.opticalTable(), OpticalTable::MultiMode62);
}

CConvCab sampleConvention() {
    CConvCab c;
    c.name = "T568A";
    c.reversedPairs = 1;
    c.flag3 = 1;
    c.pinMap = {1, 2, 3, 4, 5, 6, 7, 8};
    c.pairMap = {0x10, 0x20, 0x30, 0x40};
    const char *pairs[] = {"P1", "P2", "P3", "P4"};
    for (std::size_t i = 0; i < 4; ++i) {
        std::copy_n(pairs[i], 2, c.wireNames.begin() + static_cast<long>((8 + i) * 4));       // tester side
        std::copy_n(pairs[i], 2, c.wireNames.begin() + static_cast<long>((20 + i) * 4) );     // remote side
    }
    c.wireNames[0] = 'W';  // tester wire 1
    return c;
}

TEST(ConvCabArchive, Layout) {
    const CConvCab c = sampleConvention();
    const Bytes expected = ByteBuilder{}({0x05})("T568A")          // name
                               ({0x01, 0x00, 0x01})                 // the three flags
                               ({1, 2, 3, 4, 5, 6, 7, 8})           // pin map
                               ({0x10, 0x20, 0x30, 0x40})           // pair map
                               (Bytes(c.wireNames.begin(), c.wireNames.end()))  // 96 name bytes
                               .out;
    EXPECT_EQ(storeBytes(c), expected);
    EXPECT_EQ(expected.size(), 6u + 3u + 8u + 4u + 96u);
    // No gates: an archive without document reads it whole.
    const auto loaded = loadBytes<CConvCab>(expected, "");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.record, c);
}

TEST(ConvCabNames, ReversedPairsNameFromTheOtherEnd) {
    CConvCab c = sampleConvention();
    EXPECT_EQ(c.wireName(Side::Tester, 0), "W");
    EXPECT_EQ(c.pairName(Side::Tester, 0), "P4");
    EXPECT_EQ(c.pairName(Side::Remote, 3), "P1");
    c.reversedPairs = 0;
    EXPECT_EQ(c.pairName(Side::Remote, 0), "P1");
    EXPECT_EQ(c.pairName(Side::Remote, 4), "");
}

TEST(ConvCabFlags, FromTheTesterFlagByte) {
    CConvCab c;
    c.setFlagsFromByte(0xA0);
    EXPECT_EQ(c.reversedPairs, 1);
    EXPECT_EQ(c.flag2, 0);
    EXPECT_EQ(c.flag3, 1);
}

}  // namespace
}  // namespace quillet::model
