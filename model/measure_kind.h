// The frequency measurement kinds, the sides of a link and the fifteen curve
// slots of a plug, with their names. The numbering is fixed: files, the
// tester and the verdicts all use it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::model {

enum class Side : std::uint8_t { Tester = 0, Remote = 1 };

namespace kind {
inline constexpr int kNext = 0;
inline constexpr int kElfext = 1;
inline constexpr int kAttenuation = 2;
inline constexpr int kReturnLoss = 3;
inline constexpr int kAcr = 4;
inline constexpr int kPsNext = 5;
inline constexpr int kPsElfext = 6;
inline constexpr int kPsAcr = 7;
inline constexpr int kCount = 8;
}  // namespace kind

inline constexpr int kCurveSlotCount = 15;

enum class NameForm : std::uint8_t { Short, Long };

// "NEXT", "ELFEXT", "ATT", "R.Loss", ... (short) or "Attenuation", "Return
// Loss", ... (long); "Unknown" for a kind outside 0 to 7.
std::string_view kindName(int kind, NameForm form);

// The slot of a kind's curves on a side: attenuation (and any kind above 7)
// in slot 0 whatever the side, the others in 1 to 14, tester before remote.
int curveSlot(int kind, Side side);

// Kind and side of a slot 0 to 14; none for another index.
struct SlotUse {
    int kind;
    Side side;  // Tester for slot 0, which has no side
};
std::optional<SlotUse> slotUse(int slot);

// "NEXT - Tester" / "NEXT-T" with separator " - " or "-"; slot 0 is
// "Attenuation" or "ATT" alone; "" for an index outside 0 to 14.
std::string slotName(int slot, NameForm form, std::string_view separator);

}  // namespace quillet::model
