// Intel-HEX records and the compatibility list carried in their data.
#include <gtest/gtest.h>

#include "compat_list.h"
#include "fake_firmware.h"
#include "intel_hex.h"

namespace rivo {
namespace {

struct RecordCase {
    const char *line;
    bool sound;
};

class RecordCheck : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordCheck, SumOfBytesAndDigitCount)
{
    EXPECT_EQ(recordBytes(GetParam().line).has_value(), GetParam().sound) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Records, RecordCheck,
                         ::testing::Values(RecordCase{":0300300002337A1E", true},
                                           RecordCase{":0300300002337A1F", false},  // last digit changed
                                           RecordCase{":0300300002337a1e", true},   // either case
                                           RecordCase{":0300300002337A1E\r\n", true},
                                           RecordCase{":0300300002337A1", false},   // odd digit count
                                           RecordCase{":00000001F", false},
                                           RecordCase{":000001FF", false},          // fewer than ten digits
                                           RecordCase{":00000001FF", true},
                                           RecordCase{"0300300002337A1E", false},   // no colon
                                           RecordCase{":03003000G2337A1E", false},
                                           RecordCase{":", false}));

TEST(RecordData, ZeroBytesReadAsBars)
{
    const auto bytes = recordBytes(torvik::sim::hexRecord(0x10, 0, std::string("A\0B", 3)));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(recordDataText(*bytes), "A|B");
    EXPECT_EQ(recordDataText(*recordBytes(":00000001FF")), "");
}

struct ReferenceCase {
    const char *text;
    bool reference;
};

class ReferenceForm : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceForm, EightDigitsLetterTwoDigits)
{
    EXPECT_EQ(isMonitorReference(GetParam().text), GetParam().reference) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(References, ReferenceForm,
                         ::testing::Values(ReferenceCase{"01234567A12", true}, ReferenceCase{"1234567A12", false},
                                           ReferenceCase{"012345678A12", false}, ReferenceCase{"01234567a12", false},
                                           ReferenceCase{"0123456XA12", false}, ReferenceCase{"01234567A1B", false},
                                           ReferenceCase{"", false}));

struct SplitCase {
    const char *name;
    std::vector<std::string> recordTexts;
    bool complete;
    std::vector<std::string> entries;
};

class ListSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ListSplit, JoinedWhateverTheRecords)
{
    CompatListReader reader;
    for (const std::string &text : GetParam().recordTexts)
        reader.addRecordText(text);
    ASSERT_EQ(reader.complete(), GetParam().complete);
    if (!reader.complete())
        return;
    std::vector<std::string> entries;
    EXPECT_TRUE(splitCompatList(reader.listText(), entries));
    EXPECT_EQ(entries, GetParam().entries);
}

const std::vector<std::string> kTwo{"01234567A12", "76543210B01"};

INSTANTIATE_TEST_SUITE_P(
    Lists, ListSplit,
    ::testing::Values(
        SplitCase{"OneRecord", {"ab___LIST_COMP_HEX|01234567A12|76543210B01||tail"}, true, kTwo},
        SplitCase{"MarkerSplit", {"ab___LIST_CO", "MP_HEX|01234567A12|76543210B01||"}, true, kTwo},
        SplitCase{"EntrySplit", {"___LIST_COMP_HEX|0123", "4567A12|7654", "3210B01||"}, true, kTwo},
        SplitCase{"EndSplit", {"___LIST_COMP_HEX|01234567A12|76543210B01|", "|xx"}, true, kTwo},
        SplitCase{"ByteByByte", {"_", "_", "_", "L", "I", "S", "T", "_", "C", "O", "M", "P", "_", "H", "E", "X",
                                 "|", "0", "1", "2", "3", "4", "5", "6", "7", "A", "1", "2", "|", "|"},
                  true, {"01234567A12"}},
        SplitCase{"FourUnderscores", {"____LIST_COMP_HEX|01234567A12||"}, true, {"01234567A12"}},
        SplitCase{"FalseStart", {"__x___LIST_COMP_HEX|01234567A12||"}, true, {"01234567A12"}},
        SplitCase{"EmptyList", {"___LIST_COMP_HEX|||"}, true, {}},
        SplitCase{"NoMarker", {"just firmware", "|01234567A12||"}, false, {}},
        SplitCase{"NeverClosed", {"___LIST_COMP_HEX|01234567A12|"}, false, {}}),
    [](const auto &test) { return test.param.name; });

TEST(ListSplit, MalformedEntryRefused)
{
    std::vector<std::string> entries;
    EXPECT_FALSE(splitCompatList("01234567A12|1234567A12", entries));
    EXPECT_EQ(entries, std::vector<std::string>{"01234567A12"});
}

}  // namespace
}  // namespace rivo
