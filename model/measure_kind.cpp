#include "measure_kind.h"

#include "quillet_strings.h"

namespace quillet::model {
namespace {

// The kinds' names are resource texts, by kind 0 to 7.
constexpr int kShortNames[kind::kCount] = {251, 253, 122, 256, 124, 252, 254, 255};
constexpr int kLongNames[kind::kCount] = {264, 266, 115, 269, 124, 265, 267, 268};
constexpr int kUnknown = 218;

// First slot of each kind (its tester side); attenuation has only slot 0.
constexpr int kTesterSlot[kind::kCount] = {1, 3, 0, 5, 7, 9, 11, 13};

constexpr SlotUse kSlots[kCurveSlotCount] = {
    {kind::kAttenuation, Side::Tester}, {kind::kNext, Side::Tester},     {kind::kNext, Side::Remote},
    {kind::kElfext, Side::Tester},      {kind::kElfext, Side::Remote},   {kind::kReturnLoss, Side::Tester},
    {kind::kReturnLoss, Side::Remote},  {kind::kAcr, Side::Tester},      {kind::kAcr, Side::Remote},
    {kind::kPsNext, Side::Tester},      {kind::kPsNext, Side::Remote},   {kind::kPsElfext, Side::Tester},
    {kind::kPsElfext, Side::Remote},    {kind::kPsAcr, Side::Tester},    {kind::kPsAcr, Side::Remote},
};

bool isKind(int kind) { return kind >= 0 && kind < kind::kCount; }

}  // namespace

std::string_view kindName(int kind, NameForm form) {
    if (!isKind(kind)) return resourceString(kUnknown);
    return resourceString(form == NameForm::Short ? kShortNames[kind] : kLongNames[kind]);
}

int curveSlot(int kind, Side side) {
    if (!isKind(kind) || kind == kind::kAttenuation) return 0;
    return kTesterSlot[kind] + (side == Side::Remote ? 1 : 0);
}

std::optional<SlotUse> slotUse(int slot) {
    if (slot < 0 || slot >= kCurveSlotCount) return std::nullopt;
    return kSlots[slot];
}

std::string slotName(int slot, NameForm form, std::string_view separator) {
    const std::optional<SlotUse> use = slotUse(slot);
    if (!use) return "";
    std::string name(kindName(use->kind, form));
    if (slot == 0) return name;
    name += separator;
    if (form == NameForm::Long) {
        name += use->side == Side::Tester ? "Tester" : "Remote";
    } else {
        name += use->side == Side::Tester ? "T" : "R";
    }
    return name;
}

}  // namespace quillet::model
