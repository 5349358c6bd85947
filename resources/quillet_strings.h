// The program's numbered texts. Every user-visible text of the program is
// one of these, shared by the windows, the command-line tool and the tests.
#pragma once

#include <string>

namespace quillet {

// The text of a string resource; "" for an unknown number.
const char *resourceString(int id);

// A string resource with "%1" and "%2" replaced by the arguments.
std::string formatResource(int id, const std::string &first, const std::string &second = "");

namespace ids {
inline constexpr int kAppTitle = 2;
inline constexpr int kAutotestDocStrings = 3;
inline constexpr int kGraphDocStrings = 4;
inline constexpr int kNormDocStrings = 5;
inline constexpr int kProfileRoot = 12;
inline constexpr int kPleaseWait = 103;
inline constexpr int kUnableToCommunicate = 109;
inline constexpr int kSearchingSites = 144;
inline constexpr int kSelectSitesDisplayed = 129;
inline constexpr int kDisplayFile = 130;
inline constexpr int kDisplay = 131;
inline constexpr int kDisplayAll = 132;
inline constexpr int kNoSelection = 136;
inline constexpr int kFullDeletingNotAllowed = 137;
inline constexpr int kSitesWillBeDeleted = 138;
inline constexpr int kNr = 176;
inline constexpr int kNoSiteAvailable = 145;
inline constexpr int kNoSelectedSite = 146;
inline constexpr int kUnableToReadSite = 147;
inline constexpr int kNoAutotestData = 148;
inline constexpr int kReplaceSiteData = 157;
inline constexpr int kForTheSite = 149;
inline constexpr int kReadingPlugs = 150;
inline constexpr int kUnableToReadPlugIndex = 151;
inline constexpr int kLimit = 224;
inline constexpr int kPass = 191;
inline constexpr int kFail = 193;
inline constexpr int kSplit = 194;
inline constexpr int kVolt = 283;
inline constexpr int kSiteCorrupted = 304;
inline constexpr int kUnableToReadTesterInfo = 239;
inline constexpr int kPort = 240;
inline constexpr int kTester = 241;
inline constexpr int kUser = 242;
inline constexpr int kIdentifyingTester = 243;
inline constexpr int kNewerVersionNeeded = 296;
inline constexpr int kVersion = 297;
inline constexpr int kAppTitleFramework = 57344;
// Texts of this program's own, beyond the numbered texts it inherited.
inline constexpr int kSiteIncomplete = 1001;
inline constexpr int kSiteNotRead = 1002;
}  // namespace ids

}  // namespace quillet
