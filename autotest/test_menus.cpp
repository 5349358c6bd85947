#include "test_menus.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <initializer_list>

#include "main_frame.h"
#include "test_command_ids.h"
#include "test_frame.h"

namespace quillet::autotest {
namespace {

struct CommandText {
    int id;
    const char *menuText;
    const char *prompt;
};

constexpr CommandText kTexts[] = {
    {cmd::kProperties, "Pr&operties...", "Edit the comment associated to the file"},
    {cmd::kSiteComment, "C&omments about the site...", "Edit the comment of the site"},
    {cmd::kExport, "&Export...", "Write the site window's lines into a text file"},
    {cmd::kSearchPlug, "&Search...", "Find a plug by its identifier"},
    {cmd::kSelectPlugs, "S&elect...", "Select plugs by identifier and failing measurements"},
    {cmd::kReverseSelection, "Re&verse selection", "Select the plugs not selected and only them"},
    {cmd::kDetail, "&Detail", "Show the detail lines of the selected plugs"},
    {cmd::kContract, "&Contract", "Hide the detail lines of the selected plugs"},
    {cmd::kDetailAll, "Detail &All", "Show the detail lines of every plug"},
    {cmd::kContractAll, "Con&tract All", "Hide every detail line"},
    {cmd::kSortPlugs, "S&ort...", "Put the plugs of the site in order"},
    {cmd::kHidePlugs, "&Hide plugs", "Remove the selected plugs from the list"},
    {cmd::kHideOtherPlugs, "H&ide other plugs", "Keep only the selected plugs in the list"},
    {cmd::kShowAllPlugs, "Show all &plugs", "Show every plug of the site again"},
    {cmd::kRenamePlug, "Change Plug &Id", "Change the identifier of the selected plug"},
    {cmd::kSyntheticList, "Synthetic &List...", "Choose the columns of the plug list"},
    {cmd::kDetailedList, "Detailed L&ist...", "Choose the measurements of the detail lines"},
    {cmd::kPassColour, "&Pass colour...", "Choose the colour of passing values"},
    {cmd::kFailColour, "&Fail colour...", "Choose the colour of failing values"},
    {cmd::kLimitColour, "&Limits colour...", "Choose the colour of limits"},
    {cmd::kStrikeFailBW, "&Strikeout Fail Values on B&&W Printing", "Strike failing values out on black and white"},
    {cmd::kReportTitle, "&Reports Title...", "Change the title of the reports"},
};

// See Plug Curves, by curve kind 0 to 14.
constexpr const char *kCurveKinds[] = {
    "Attenuation", "NEXT Tst.",    "NEXT Rem.",     "ELFEXT Tst.",    "ELFEXT Rem.",
    "Ret. Loss Tst.", "Ret. Loss Rem.", "ACR Tst.",   "ACR Rem.",      "PSNEXT Tst.",
    "PSNEXT Rem.", "PSELFEXT Tst.", "PSELFEXT Rem.", "PSACR Tst.",     "PSACR Rem."};

void nameCommands(CMainFrame &frame) {
    for (const CommandText &entry : kTexts) {
        QAction *command = frame.action(entry.id);
        command->setText(QObject::tr(entry.menuText));
        command->setStatusTip(QObject::tr(entry.prompt));
    }
    frame.action(cmd::kStrikeFailBW)->setCheckable(true);
    for (int kind = 0; kind < 15; ++kind) frame.action(cmd::kPlugCurvesFirst + kind)->setText(QObject::tr(kCurveKinds[kind]));
}

void addCommands(CMainFrame &frame, QMenu *menu, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (id == cmd::kSeparator)
            menu->addSeparator();
        else
            menu->addAction(frame.action(id));
    }
}

QMenu *curvesMenu(CMainFrame &frame, QWidget *parent) {
    auto *menu = new QMenu(QObject::tr("See Plug &Curves"), parent);
    for (int id = cmd::kPlugCurvesFirst; id <= cmd::kPlugCurvesLast; ++id) menu->addAction(frame.action(id));
    return menu;
}

QMenu *editMenu(CMainFrame &frame) {
    auto *menu = new QMenu(QObject::tr("&Edit"), &frame);
    addCommands(frame, menu, {cmd::kSelectAll, cmd::kSelectNone, cmd::kReverseSelection, cmd::kSeparator,
                              cmd::kSearchPlug, cmd::kSelectPlugs, cmd::kSeparator, cmd::kSiteComment});
    return menu;
}

QMenu *plugsMenu(CMainFrame &frame) {
    auto *menu = new QMenu(QObject::tr("&Plugs"), &frame);
    addCommands(frame, menu, {cmd::kDetail, cmd::kContract, cmd::kDetailAll, cmd::kContractAll, cmd::kSeparator,
                              cmd::kSortPlugs, cmd::kSeparator, cmd::kHidePlugs, cmd::kHideOtherPlugs,
                              cmd::kShowAllPlugs, cmd::kSeparator, cmd::kRenamePlug});
    menu->addMenu(curvesMenu(frame, menu));
    return menu;
}

QMenu *optionsMenu(CMainFrame &frame) {
    auto *menu = new QMenu(QObject::tr("&Options"), &frame);
    addCommands(frame, menu, {cmd::kSyntheticList, cmd::kDetailedList, cmd::kSeparator, cmd::kPassColour,
                              cmd::kFailColour, cmd::kLimitColour, cmd::kStrikeFailBW, cmd::kSeparator,
                              cmd::kReportTitle});
    return menu;
}

QAction *menuNamed(QMenuBar *bar, const QString &title) {
    for (QAction *top : bar->actions()) {
        if (top->text() == title) return top;
    }
    return nullptr;
}

bool isSiteWindow(QMdiSubWindow *window) { return window && qobject_cast<CTestFrame *>(window->widget()); }

}  // namespace

// The items go into the menu bar once; they are visible only while a site
// window is the active window, which also brings toolbar 3.
void installAutotestMenus(CMainFrame &frame) {
    if (frame.property("autotestMenus").toBool()) return;
    frame.setProperty("autotestMenus", true);
    nameCommands(frame);

    QList<QAction *> shown;
    QAction *fileTop = frame.menuBar()->actions().value(0);
    if (QMenu *file = fileTop ? fileTop->menu() : nullptr) {
        QAction *first = file->actions().value(0);
        for (int id : {cmd::kFileSave, cmd::kFileSaveAs, cmd::kProperties, cmd::kExport, cmd::kFilePrint,
                       cmd::kFilePrintPreview}) {
            file->insertAction(first, frame.action(id));
            shown.append(frame.action(id));
        }
        shown.append(file->insertSeparator(first));
    }
    QAction *before = menuNamed(frame.menuBar(), QObject::tr("&View"));
    for (QMenu *menu : {editMenu(frame), plugsMenu(frame), optionsMenu(frame)})
        shown.append(frame.menuBar()->insertMenu(before, menu));

    auto follow = [&frame, shown](QMdiSubWindow *activated) {
        // A main window that loses the focus activates no window; the
        // window that stays current keeps its menus.
        QMdiSubWindow *window = activated ? activated : frame.mdiArea()->currentSubWindow();
        const bool site = isSiteWindow(window);
        for (QAction *entry : shown) entry->setVisible(site);
        if (site) {
            frame.loadToolBar(cmd::kResourceAutotest);
            static_cast<CTestFrame *>(window->widget())->showPosition();
        } else if (!window) {
            frame.loadToolBar(cmd::kResourceMain);
            frame.setPositionText({});
        }
    };
    QObject::connect(frame.mdiArea(), &QMdiArea::subWindowActivated, &frame, follow);
    follow(frame.mdiArea()->activeSubWindow());
}

QMenu *createPopupMenu(CMainFrame &frame, int menuId, QWidget *parent) {
    auto *menu = new QMenu(parent);
    if (menuId == 245) {
        addCommands(frame, menu, {cmd::kProperties, cmd::kSiteComment, cmd::kSeparator, cmd::kReportTitle,
                                  cmd::kSeparator, cmd::kExport});
        return menu;
    }
    addCommands(frame, menu, {cmd::kDetail, cmd::kContract, cmd::kSeparator, cmd::kSelectAll, cmd::kSelectNone,
                              cmd::kReverseSelection, cmd::kSeparator, cmd::kHidePlugs, cmd::kHideOtherPlugs,
                              cmd::kShowAllPlugs, cmd::kSeparator, cmd::kRenamePlug});
    menu->addMenu(curvesMenu(frame, menu));
    return menu;
}

}  // namespace quillet::autotest
