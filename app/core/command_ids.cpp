#include "command_ids.h"

namespace quillet::cmd {
namespace {

constexpr int kMainToolbar[] = {
    kAutotestsDownload, kAutotestsOpen, kSeparator, kGraphsDownload, kGraphsOpen, kSeparator,
    kFilePrint, kFilePrintPreview, kSeparator, kEditCut, kEditCopy, kEditPaste, kSeparator,
    kIdentifyTester, kAppAbout, kContextHelp};

constexpr int kAutotestToolbar[] = {
    kAutotestsDownload, kAutotestsOpen, kSeparator, kGraphsDownload, kGraphsOpen, kSeparator,
    kFileSave, kSeparator, kFilePrint, kFilePrintPreview, kSeparator, kEditCut, kEditCopy,
    kEditPaste, kSeparator, kSearchPlug, kSelectPlugs, kSeparator, kIdentifyTester,
    kAppAbout, kContextHelp};

// The autotest bar with the plot's curves and marker buttons in place of
// the plug search and selection buttons.
constexpr int kGraphToolbar[] = {
    kAutotestsDownload, kAutotestsOpen, kSeparator, kGraphsDownload, kGraphsOpen, kSeparator,
    kFileSave, kSeparator, kFilePrint, kFilePrintPreview, kSeparator, kEditCut, kEditCopy,
    kEditPaste, kSeparator, kGraphCurves, kSeparator, kGraphFreeMarker, kGraphXMarker, kGraphFixedMarker,
    kSeparator, kIdentifyTester, kAppAbout, kContextHelp};

constexpr int kStandardsToolbar[] = {
    kAutotestsDownload, kAutotestsOpen, kSeparator, kGraphsDownload, kGraphsOpen, kSeparator,
    kFileSave, kSeparator, kFilePrint, kFilePrintPreview, kSeparator, kEditCut, kEditCopy,
    kEditPaste, kSeparator, kIdentifyTester, kAppAbout, kContextHelp};

constexpr Accelerator kMainAccelerators[] = {
    {"Ctrl+N", kFileNew},       {"Ctrl+O", kFileOpen},         {"Ctrl+S", kFileSave},
    {"Ctrl+P", kFilePrint},     {"Ctrl+Z", kEditUndo},         {"Alt+Backspace", kEditUndo},
    {"Ctrl+X", kEditCut},       {"Shift+Del", kEditCut},       {"Ctrl+C", kEditCopy},
    {"Ctrl+Ins", kEditCopy},    {"Ctrl+V", kEditPaste},        {"Shift+Ins", kEditPaste},
    {"F6", kNextPane},          {"Shift+F6", kPrevPane},       {"Shift+F1", kContextHelp},
    {"F1", kHelp},
};

constexpr Accelerator kAutotestAccelerators[] = {
    {"Ctrl+A", kSelectAll},
    {"Esc", kSelectNone},
};

}  // namespace

std::span<const int> toolbarButtons(int resource) {
    switch (resource) {
    case kResourceMain: return kMainToolbar;
    case kResourceAutotest: return kAutotestToolbar;
    case kResourceGraph: return kGraphToolbar;
    case kResourceStandards: return kStandardsToolbar;
    default: return {};
    }
}

std::span<const Accelerator> accelerators(int resource) {
    switch (resource) {
    case kResourceMain: return kMainAccelerators;
    case kResourceAutotest: return kAutotestAccelerators;
    default: return {};
    }
}

}  // namespace quillet::cmd
