#include "command_table.h"

#include <QWidget>

#include "command_ids.h"
#include "tool_icons.h"

namespace quillet {
namespace {

struct CommandText {
    int id;
    const char *menuText;
    const char *prompt;  // the status bar's explanation
    const char *tip = nullptr;  // the toolbar button's tool tip
};

constexpr CommandText kTexts[] = {
    {cmd::kAutotestsDownload, "&Download", "Download autotests from the tester", "Download Autotests"},
    {cmd::kAutotestsOpen, "&Open", "Open an autotest file", "Open Autotests"},
    {cmd::kGraphsDownload, "&Download", "Download graphs from the tester", "Download Graphs"},
    {cmd::kGraphsOpen, "&Open", "Open a graph file", "Open Graphs"},
    {cmd::kStandardsDownload, "&Download", "Download standards from the tester", "Download Standards"},
    {cmd::kStandardsOpen, "&Open", "Open a standards file", "Open Standards"},
    {cmd::kIdentifyTester, "&Identify connected tester...", "Show the port, the tester and its user"},
    {cmd::kPrintHeader, "Print &Header...", "Define the header printed on the reports"},
    {cmd::kStartingHelper, "&Starting Helper...", "Choose what to do first"},
    {cmd::kFileNew, "&New", "Create a new document"},
    {cmd::kFileOpen, "&Open...", "Open an existing document"},
    {cmd::kFileSave, "&Save", "Save the active document"},
    {cmd::kFileSaveAs, "Save &As...", "Save the active document with a new name"},
    {cmd::kFilePrint, "&Print...", "Print the active document"},
    {cmd::kFilePrintPreview, "Print Pre&view", "Display full pages"},
    {cmd::kFilePrintSetup, "P&rint Setup...", "Change the printer and printing options"},
    {cmd::kEditUndo, "&Undo", "Undo the last action"},
    {cmd::kEditCut, "Cu&t", "Cut the selection and put it on the Clipboard"},
    {cmd::kEditCopy, "&Copy", "Copy the selection and put it on the Clipboard"},
    {cmd::kEditPaste, "&Paste", "Insert Clipboard contents"},
    {cmd::kSelectAll, "Select &All", "Select every line"},
    {cmd::kSelectNone, "Select &None", "Clear the selection"},
    {cmd::kAppExit, "E&xit", "Quit the application"},
    {cmd::kAppAbout, "&About Quillet...", "Display program information, version number and copyright"},
    {cmd::kContextHelp, "&What's This?", "Display help for clicked buttons, menus and windows"},
    {cmd::kHelp, "&Help", "Display help"},
    {cmd::kViewToolbar, "&Toolbar", "Show or hide the toolbar"},
    {cmd::kViewStatusBar, "&Status Bar", "Show or hide the status bar"},
    {cmd::kWindowCascade, "&Cascade", "Arrange windows so they overlap"},
    {cmd::kWindowTileHorz, "&Tile", "Arrange windows as non-overlapping tiles"},
    {cmd::kWindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window"},
    {cmd::kNextPane, "Next Pane", "Switch to the next window pane"},
    {cmd::kPrevPane, "Previous Pane", "Switch back to the previous window pane"},
    // The plot window's commands (menu 4).
    {cmd::kGraphCurves, "&Curves...", "Choose the curves to show", "Curves"},
    {cmd::kGraphXMarker, "Horizontal Ma&rker (X axis)", "Marker on the selected curve", "X marker"},
    {cmd::kGraphFreeMarker, "Free Mar&ker", "Marker anywhere on the plot", "Free marker"},
    {cmd::kGraphFixedMarker, "Add a &Fixed Marker", "Keep the values of every curve at the marker", "Fixed marker"},
    {45006, "Clear All Fixe&d Markers", "Remove every fixed marker"},
    {45007, "&Zoom", "Zoom on the drawn rectangle"},
    {45008, "Set Sca&les...", "Enter the limits of the scales"},
    {45009, "&Global View", "Back to the automatic scales"},
    {45010, "&Hide other curves", "Show the selected curve only"},
    {45011, "Sho&w all curves", "Show every curve"},
    {45012, "Hide &curve", "Hide the selected curve"},
    {45013, "Show cur&ve", "Show the selected curve"},
    {45016, "Li&nk points", "Join the points of the curves"},
    {45017, "Gr&id lines", "Draw the grid lines"},
    {45023, "C&urve Color...", "Change the colour of the selected curve"},
};

const CommandText *textOf(int id) {
    for (const auto &entry : kTexts) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace

CommandTable::CommandTable(QWidget *owner) : QObject(owner), owner_(owner) {
    for (const auto &entry : kTexts) make(entry.id);
    addAccelerators(cmd::kResourceMain);
    addAccelerators(cmd::kResourceAutotest);
}

QAction *CommandTable::action(int id) {
    const auto found = actions_.constFind(id);
    return found != actions_.constEnd() ? *found : make(id);
}

QAction *CommandTable::make(int id) {
    const CommandText *text = textOf(id);
    auto *action = new QAction(text ? tr(text->menuText) : tr("Command %1").arg(id), owner_);
    if (text) action->setStatusTip(tr(text->prompt));
    if (text && text->tip) action->setToolTip(tr(text->tip));
    action->setIcon(commandIcon(id));
    action->setEnabled(false);  // until the targets say otherwise
    owner_->addAction(action);  // shortcuts work without a menu item too
    connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
    actions_.insert(id, action);
    return action;
}

void CommandTable::addAccelerators(int resource) {
    for (const auto &accelerator : cmd::accelerators(resource)) {
        QAction *target = action(accelerator.command);
        QList<QKeySequence> keys = target->shortcuts();
        keys.append(QKeySequence(QString::fromUtf8(accelerator.keys)));
        target->setShortcuts(keys);
    }
}

}  // namespace quillet
