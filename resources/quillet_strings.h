// The program's numbered texts. Every user-visible text of the program is
// one of these, shared by the windows, the command-line tool and the tests.
#pragma once

namespace quillet {

// The text of a string resource; "" for an unknown number.
const char *resourceString(int id);

namespace ids {
inline constexpr int kPleaseWait = 103;
inline constexpr int kUnableToCommunicate = 109;
inline constexpr int kSearchingSites = 144;
inline constexpr int kNr = 176;
inline constexpr int kUnableToReadTesterInfo = 239;
inline constexpr int kPort = 240;
inline constexpr int kTester = 241;
inline constexpr int kUser = 242;
inline constexpr int kIdentifyingTester = 243;
inline constexpr int kNewerVersionNeeded = 296;
}  // namespace ids

}  // namespace quillet
