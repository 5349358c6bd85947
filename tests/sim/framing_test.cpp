// Wire form of the tester's replies and the CRC that guards binary blocks.
#include <gtest/gtest.h>

#include "block_crc.h"
#include "reply_framing.h"

namespace torvik::sim {
namespace {

TEST(Crc16, MatchesTheModbusCheckValues)
{
    EXPECT_EQ(crc16("123456789"), 0x4B37);
    EXPECT_EQ(crc16(""), 0xFFFF);
    EXPECT_EQ(crc16(std::string("\x01\x03\x00\x00\x00\x01", 6)), 0x0A84);
}

struct FramingCase {
    const char *name;
    Reply reply;
    FramingDamage damage;
    std::string wire;
};

void PrintTo(const FramingCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReplyFraming : public ::testing::TestWithParam<FramingCase> {};

TEST_P(ReplyFraming, GivesTheExactWireBytes)
{
    const FramingCase &c = GetParam();
    EXPECT_EQ(frameReply(c.reply, c.damage), c.wire);
}

// CRC of "123456789" is 0x4B37: it follows the data high byte first.
INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyFraming,
    ::testing::Values(
        FramingCase{"line", Reply::line("45113"), {}, "45113\n"},
        FramingCase{"emptyLine", Reply::line(""), {}, "\n"},
        FramingCase{"textBlock", Reply::textBlock("AB"), {}, "#0AB\n\n"},
        FramingCase{"textBlockOfTwoLines", Reply::textBlock("AB\nCD"), {}, "#0AB\nCD\n\n"},
        FramingCase{"binary", Reply::binary("123456789"), {},
                    std::string("#211123456789\x4B\x37\n")},
        FramingCase{"binaryOfNoData", Reply::binary(""), {}, std::string("#12\xFF\xFF\n")},
        FramingCase{"raw", Reply::raw("#9garbage"), {}, "#9garbage"},
        FramingCase{"none", Reply::none(), {}, ""},
        FramingCase{"paddedLine", Reply::line("AB"), {'#', false, 6}, "ABXXXX\n"},
        FramingCase{"lineLongerThanPadding", Reply::line("ABCDEFG"), {'#', false, 6}, "ABCDEFG\n"},
        FramingCase{"spoiltCrc", Reply::binary("123456789"), {'#', true, 0},
                    std::string("#211123456789\x4B\xC8\n")},
        FramingCase{"badBinaryHeader", Reply::binary("123456789"), {'X', false, 0},
                    std::string("X211123456789\x4B\x37\n")},
        FramingCase{"badTextHeader", Reply::textBlock("AB"), {'X', false, 0}, "X0AB\n\n"}),
    [](const auto &param) { return std::string(param.param.name); });

// The length field counts data and CRC; its digit count grows with it.
TEST(ReplyFraming, LengthHeaderCountsItsDigits)
{
    const struct {
        std::size_t dataSize;
        std::string header;
    } cases[] = {{0, "#12"}, {7, "#19"}, {8, "#210"}, {97, "#299"}, {98, "#3100"}, {998, "#41000"}};
    for (const auto &c : cases) {
        const std::string wire = frameReply(Reply::binary(std::string(c.dataSize, 'd')));
        EXPECT_EQ(wire.substr(0, c.header.size()), c.header) << c.dataSize;
        EXPECT_EQ(wire.size(), c.header.size() + c.dataSize + 3) << c.dataSize;
    }
}

}  // namespace
}  // namespace torvik::sim
