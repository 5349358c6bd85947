// Kind names, the slot of each kind and side, and the slots' display names.
#include <gtest/gtest.h>

#include "measure_kind.h"

namespace quillet::model {
namespace {

TEST(KindNames, ShortAndLong) {
    const char *shortNames[] = {"NEXT", "ELFEXT", "ATT", "R.Loss", "ACR", "PSNEXT", "PSELF.", "PSACR"};
    const char *longNames[] = {"NEXT", "ELFEXT", "Attenuation", "Return Loss", "ACR",
                               "PowerSum NEXT", "PowerSum ELFEXT", "PowerSum ACR"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(kindName(k, NameForm::Short), shortNames[k]);
        EXPECT_EQ(kindName(k, NameForm::Long), longNames[k]);
    }
    EXPECT_EQ(kindName(9, NameForm::Short), "Unknown");
    EXPECT_EQ(kindName(9, NameForm::Long), "Unknown");
    EXPECT_EQ(kindName(-1, NameForm::Long), "Unknown");
}

TEST(CurveSlots, OfKindAndSideAndBack) {
    const int tester[] = {1, 3, 0, 5, 7, 9, 11, 13};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(curveSlot(k, Side::Tester), tester[k]);
        EXPECT_EQ(curveSlot(k, Side::Remote), k == 2 ? 0 : tester[k] + 1);
    }
    EXPECT_EQ(curveSlot(9, Side::Remote), 0) << "above 7: as attenuation";
    for (int slot = 0; slot < kCurveSlotCount; ++slot) {
        const auto use = slotUse(slot);
        ASSERT_TRUE(use);
        EXPECT_EQ(curveSlot(use->kind, use->side), slot);
    }
    EXPECT_FALSE(slotUse(15));
}

TEST(CurveSlots, Names) {
    struct Case {
        int slot;
        const char *longName;
        const char *shortName;
    };
    const Case cases[] = {{0, "Attenuation", "ATT"},
                          {1, "NEXT - Tester", "NEXT - T"},
                          {6, "Return Loss - Remote", "R.Loss - R"},
                          {12, "PowerSum ELFEXT - Remote", "PSELF. - R"},
                          {15, "", ""}};
    for (const Case &c : cases) {
        EXPECT_EQ(slotName(c.slot, NameForm::Long, " - "), c.longName);
        EXPECT_EQ(slotName(c.slot, NameForm::Short, " - "), c.shortName);
    }
}

}  // namespace
}  // namespace quillet::model
