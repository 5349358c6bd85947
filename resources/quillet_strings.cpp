#include "quillet_strings.h"

namespace quillet {
namespace {

struct NumberedString {
    int id;
    const char *text;
};

constexpr NumberedString kStrings[] = {
    {ids::kPleaseWait, "Please wait..."},
    {ids::kUnableToCommunicate,
     "Unable to communicate with the tester!\n\nPlease check if:\n. The Measuring Unit is on,\n"
     ". The Measuring Unit is NOT connected to the Remote Unit.\n\n"
     "Otherwise, do you want to modify the communication parameters?"},
    {ids::kSearchingSites, "Searching sites..."},
    {ids::kNr, "Nr"},
    {ids::kUnableToReadTesterInfo, "Unable to read tester information"},
    {ids::kPort, "Port"},
    {ids::kTester, "Tester"},
    {ids::kUser, "User"},
    {ids::kIdentifyingTester, "Identifying the connected tester"},
    {ids::kNewerVersionNeeded,
     "In order to get the whole data of TORVIK, you need to install a newer version of Quillet"},
};

}  // namespace

const char *resourceString(int id) {
    for (const auto &entry : kStrings) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

}  // namespace quillet
