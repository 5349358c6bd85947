// Command ids of the site windows' menus (menu 3 "&Plugs", "&Options",
// "&Edit" and the pop-up menus 244 and 245) beyond those the shell names.
#pragma once

#include "command_ids.h"

namespace quillet::cmd {

inline constexpr int kDetail = 32779;
inline constexpr int kContract = 32780;
inline constexpr int kDetailAll = 32781;
inline constexpr int kContractAll = 32782;
inline constexpr int kReverseSelection = 32783;
inline constexpr int kSortPlugs = 32784;
inline constexpr int kHideOtherPlugs = 32787;
inline constexpr int kShowAllPlugs = 32788;
inline constexpr int kSyntheticList = 32789;
inline constexpr int kDetailedList = 32790;
inline constexpr int kPassColour = 32791;
inline constexpr int kFailColour = 32792;
inline constexpr int kLimitColour = 32793;
inline constexpr int kReportTitle = 32794;
inline constexpr int kHidePlugs = 32800;
inline constexpr int kRenamePlug = 32805;
inline constexpr int kStrikeFailBW = 32806;
// See Plug Curves, one per curve kind 0 to 14.
inline constexpr int kPlugCurvesFirst = 32807;
inline constexpr int kPlugCurvesLast = 32821;

}  // namespace quillet::cmd
