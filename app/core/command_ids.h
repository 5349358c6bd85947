// Command ids of the program's menus, toolbars and accelerators. The
// framework's own commands keep their classic numbers so that the toolbar
// and menu tables read the same everywhere.
#pragma once

#include <span>

namespace quillet::cmd {

// Application commands.
inline constexpr int kAutotestsDownload = 32771;
inline constexpr int kAutotestsOpen = 32772;
inline constexpr int kGraphsDownload = 32773;
inline constexpr int kGraphsOpen = 32774;
inline constexpr int kStandardsDownload = 32775;
inline constexpr int kStandardsOpen = 32776;
inline constexpr int kProperties = 32777;
inline constexpr int kSiteComment = 32778;
inline constexpr int kSelectNone = 32795;
inline constexpr int kExport = 32796;
inline constexpr int kIdentifyTester = 32799;
inline constexpr int kPrintHeader = 32801;
inline constexpr int kStartingHelper = 32802;
inline constexpr int kSearchPlug = 32785;
inline constexpr int kSelectPlugs = 32786;

// Framework commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kRecentFileFirst = 57616;  // 57616..57631
inline constexpr int kSelectAll = 57642;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kWindowNew = 57648;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTileHorz = 57651;
inline constexpr int kWindowTileVert = 57652;
inline constexpr int kWindowSplit = 57653;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelpIndex = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kHelpUsing = 57671;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

// Graph window commands that toolbar 4 carries.
inline constexpr int kGraphCurves = 45000;
inline constexpr int kGraphXMarker = 45003;
inline constexpr int kGraphFreeMarker = 45004;
inline constexpr int kGraphFixedMarker = 45005;

inline constexpr int kSeparator = 0;

// Resource ids of the menu/toolbar/accelerator sets: no document open,
// autotest, graph and standards windows.
inline constexpr int kResourceMain = 2;
inline constexpr int kResourceAutotest = 3;
inline constexpr int kResourceGraph = 4;
inline constexpr int kResourceStandards = 5;

// The button ids of toolbar `resource` in order (0 is a separator); empty
// for an unknown resource.
std::span<const int> toolbarButtons(int resource);

struct Accelerator {
    const char *keys;  // portable key text, as "Ctrl+N"
    int command;
};

// The accelerators of table 2 (every window) or 3 (autotest windows add
// their own two to those of table 2).
std::span<const Accelerator> accelerators(int resource);

}  // namespace quillet::cmd
