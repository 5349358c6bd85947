// Filling a plug from a test section of the tester: the texts, the time,
// the result byte's type and exemptions, and how much of the measurement
// block each result type and standard carries.
#include <gtest/gtest.h>

#include <cstring>

#include "norm.h"
#include "prise.h"

namespace quillet::model {
namespace {

constexpr std::size_t kSectionSize = 408;

// A type-0 section: plug id "ROOM1-A", second text "FLOOR 2", test time
// 0x5F000000, the result byte given, and block bytes 42 on counting 0xA0,
// 0xA1, ... (so byte 42 is 0xA0 unless given).
std::vector<std::uint8_t> section(std::uint8_t result, std::uint8_t firstBlockByte = 0xA0) {
    std::vector<std::uint8_t> s(kSectionSize, 0);
    std::memcpy(&s[3], "ROOM1-A", 7);
    std::memcpy(&s[18], "FLOOR 2", 7);
    s[37] = 0x00; s[38] = 0x00; s[39] = 0x00; s[40] = 0x5F;
    s[41] = result;
    for (std::size_t i = 42; i < kSectionSize; ++i) s[i] = static_cast<std::uint8_t>(0xA0 + (i - 42));
    s[42] = firstBlockByte;
    return s;
}

CNorm standardWithFlags(std::uint8_t flags) {
    CNorm n;
    n.flags = flags;
    return n;
}

TEST(PriseFromSection, TextsTimeTypeAndExemptions) {
    CPrise p;
    // Type 5 (bits 7-5), RL remote (4), RL tester (3), NEXT tester (1).
    ASSERT_TRUE(p.fillFromTestSection(section(0xBA, 0x60), CNorm{}));
    EXPECT_EQ(p.plugId, "ROOM1-A");
    EXPECT_EQ(p.text2, "FLOOR 2");
    EXPECT_EQ(p.testTime, 0x5F000000u);
    EXPECT_EQ(p.resultType, 5);
    EXPECT_EQ(p.rlTesterExempt, 1);
    EXPECT_EQ(p.rlRemoteExempt, 1);
    EXPECT_EQ(p.nextTesterExempt, 1);
    EXPECT_EQ(p.nextRemoteExempt, 0);
    // Block byte 0x60: both PSNEXT exemptions, status bit 7 clear.
    EXPECT_EQ(p.psNextTesterExempt, 1);
    EXPECT_EQ(p.psNextRemoteExempt, 1);
    EXPECT_EQ(p.block[0] & 0x80, 0);
}

TEST(PriseFromSection, IdentifierBounds) {
    std::vector<std::uint8_t> s = section(0x40);
    std::memset(&s[3], 'X', 15);  // no NUL up to the second text
    CPrise p;
    ASSERT_TRUE(p.fillFromTestSection(s, CNorm{}));
    EXPECT_EQ(p.plugId, std::string(15, 'X'));
    s[3] = 0;
    ASSERT_TRUE(p.fillFromTestSection(s, CNorm{}));
    EXPECT_EQ(p.plugId, "");
}

struct BlockCase {
    const char *name;
    std::uint8_t result;
    std::uint8_t standardFlags;
    std::size_t length;
};

class PriseBlockLength : public ::testing::TestWithParam<BlockCase> {};

TEST_P(PriseBlockLength, CopiesOnlyWhatTheSectionCarries) {
    const BlockCase &c = GetParam();
    CPrise p;
    p.block.fill(0xEE);
    ASSERT_TRUE(p.fillFromTestSection(section(c.result), standardWithFlags(c.standardFlags)));
    EXPECT_EQ(p.block[c.length - 1], static_cast<std::uint8_t>(0xA0 + c.length - 1));
    if (c.length < CPrise::kBlockSize) {
        EXPECT_EQ(p.block[c.length], 0xEE) << "the rest keeps its content";
    }

    // A section that ends inside the block is refused, the plug unchanged.
    const std::vector<std::uint8_t> full = section(c.result);
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<long>(42 + c.length - 1));
    CPrise untouched;
    EXPECT_FALSE(untouched.fillFromTestSection(cut, standardWithFlags(c.standardFlags)));
    EXPECT_EQ(untouched, CPrise{});
}

INSTANTIATE_TEST_SUITE_P(Results, PriseBlockLength,
                         ::testing::Values(BlockCase{"VoltageStop", 0x00, 0x00, 21},
                                           BlockCase{"WiringFailure", 0x20, 0x00, 19},
                                           BlockCase{"ValueMode", 0x80, 0x04, 10},
                                           BlockCase{"ValueModeBeforeOptical", 0x80, 0x0C, 10},
                                           BlockCase{"Optical", 0x80, 0x08, 6},
                                           BlockCase{"Copper", 0x80, 0x00, 107},
                                           BlockCase{"VoltageStopUnderOptical", 0x00, 0x08, 21}),
                         [](const auto &p) { return std::string(p.param.name); });

}  // namespace
}  // namespace quillet::model
