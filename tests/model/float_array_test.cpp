// CFloatArray: the growth rules of SetSize, the insert and remove
// operations, deep copies and the archive form.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "float_array.h"
#include "record_io.h"

namespace quillet::model {
namespace {

using testing::Bytes;

CFloatArray arrayOf(std::vector<float> values) {
    CFloatArray a;
    for (float v : values) a.Add(v);
    return a;
}

std::vector<float> elements(const CFloatArray &a) { return {a.values().begin(), a.values().end()}; }

struct Operation {
    const char *name;
    std::vector<float> start;
    std::function<bool(CFloatArray &)> apply;
    std::vector<float> expected;
};

void PrintTo(const Operation &op, std::ostream *os) { *os << op.name; }

class FloatArrayOperations : public ::testing::TestWithParam<Operation> {};

TEST_P(FloatArrayOperations, GiveTheElements) {
    const Operation &op = GetParam();
    CFloatArray a = arrayOf(op.start);
    EXPECT_TRUE(op.apply(a));
    EXPECT_EQ(elements(a), op.expected);
}

const Operation kOperations[] = {
    {"SetSizeOnEmptyGivesZeros", {}, [](CFloatArray &a) { return a.SetSize(3); }, {0, 0, 0}},
    {"InsertBeyondEndZeroesTheGap", {1, 2, 3}, [](CFloatArray &a) { return a.InsertAt(5, 1.5f, 2); },
     {1, 2, 3, 0, 0, 1.5f, 1.5f}},
    {"InsertInsideMovesTheTail", {1, 2, 3}, [](CFloatArray &a) { return a.InsertAt(1, 9, 2); },
     {1, 9, 9, 2, 3}},
    {"InsertArrayIntoItself", {1, 2}, [](CFloatArray &a) { return a.InsertAt(1, a); }, {1, 1, 2, 2}},
    {"InsertEmptyArrayChangesNothing", {1, 2}, [](CFloatArray &a) { return a.InsertAt(1, CFloatArray{}); },
     {1, 2}},
    {"RemoveMovesTheTailDown", {1, 2, 3, 4}, [](CFloatArray &a) { return a.RemoveAt(1, 2); }, {1, 4}},
    {"AppendToItself", {1, 2}, [](CFloatArray &a) { return a.Append(a) == 2; }, {1, 2, 1, 2}},
    {"SetAtGrowPastTheEnd", {1}, [](CFloatArray &a) { return a.SetAtGrow(3, 7); }, {1, 0, 0, 7}},
    // Shrinking keeps the storage; growing again within it zeroes what returns.
    {"RegrowWithinCapacityZeroes", {1, 2, 3}, [](CFloatArray &a) { return a.SetSize(1) && a.SetSize(3); },
     {1, 0, 0}},
    {"RemoveAllEmpties", {1, 2}, [](CFloatArray &a) { a.RemoveAll(); return a.GetCapacity() == 0; }, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FloatArrayOperations, ::testing::ValuesIn(kOperations),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(FloatArrayOperations, RefusesWhatLeavesTheArray) {
    CFloatArray a = arrayOf({1, 2, 3});
    EXPECT_FALSE(a.RemoveAt(2, 2));
    EXPECT_FALSE(a.RemoveAt(-1, 1));
    EXPECT_FALSE(a.InsertAt(-1, 1.0f, 1));
    EXPECT_FALSE(a.InsertAt(0, 1.0f, 0));
    EXPECT_FALSE(a.SetSize(-1));
    EXPECT_EQ(elements(a), (std::vector<float>{1, 2, 3}));
}

// Adding point by point reallocates a number of times logarithmic in the
// points (a curve of 50,000 points used to be copied 50,000 times).
TEST(FloatArrayGrowth, AddingOneByOneGrowsGeometrically) {
    CFloatArray a;
    int reallocations = 0;
    for (int i = 0; i < 50000; ++i) {
        const std::int32_t before = a.GetCapacity();
        ASSERT_EQ(a.Add(static_cast<float>(i)), i);
        reallocations += a.GetCapacity() != before ? 1 : 0;
    }
    EXPECT_LT(reallocations, 40);
    EXPECT_EQ(a.GetSize(), 50000);
    EXPECT_EQ(a.GetAt(49999), 49999.0f);
    EXPECT_TRUE(a.FreeExtra());
    EXPECT_EQ(a.GetCapacity(), 50000);
}

TEST(FloatArrayGrowth, ExactWithoutGrowByThenByStep) {
    CFloatArray a;
    for (int n = 1; n <= 5; ++n) {
        a.SetSize(n);
        EXPECT_EQ(a.GetCapacity(), a.GetSize()) << "grow-by 0 allocates exactly";
    }
    a.SetSize(5, 10);
    a.Add(2);
    EXPECT_EQ(a.GetCapacity(), 15);
    EXPECT_EQ(a.GetSize(), 6);
    a.SetSize(40);  // capacity + grow-by does not reach it: exactly 40
    EXPECT_EQ(a.GetCapacity(), 40);
    a.SetSize(10);
    EXPECT_TRUE(a.FreeExtra());
    EXPECT_EQ(a.GetCapacity(), 10);
}

TEST(FloatArrayCopy, IsDeep) {
    CFloatArray source = arrayOf({1, 2, 3});
    CFloatArray copy = source;
    copy.SetAt(0, 9);
    EXPECT_EQ(source.GetAt(0), 1);
    CFloatArray assigned;
    assigned = source;
    assigned.Add(4);
    EXPECT_EQ(source.GetSize(), 3);
}

TEST(FloatArrayArchive, CountThenFloats) {
    const Bytes expected = {0x02, 0x00,               // count 2
                            0x00, 0x00, 0xC0, 0x3F,   // 1.5
                            0x00, 0x00, 0x00, 0xC0};  // -2
    EXPECT_EQ(testing::storeBytes(arrayOf({1.5f, -2})), expected);
    const auto loaded = testing::loadBytes<CFloatArray>(expected, "");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(elements(loaded.record), (std::vector<float>{1.5f, -2}));
}

TEST(FloatArrayArchive, CountBeyondTheFileAllocatesNothing) {
    const Bytes bytes = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00};  // 0x10000000 floats
    const auto loaded = testing::loadBytes<CFloatArray>(bytes, "");
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.record.GetCapacity(), 0);
}

}  // namespace
}  // namespace quillet::model
