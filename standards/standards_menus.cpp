#include "standards_menus.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "command_ids.h"
#include "main_frame.h"
#include "norm_frame.h"

namespace quillet {
namespace {

// The File menu's own commands of a standards window, in menu 5's order.
constexpr int kFileCommands[] = {cmd::kFileSave,  cmd::kFileSaveAs,        cmd::kSeparator, cmd::kProperties,
                                 cmd::kSeparator, cmd::kFilePrint,         cmd::kFilePrintPreview,
                                 cmd::kSeparator};

bool showsToolBar(CMainFrame &frame, int resource) {
    const auto buttons = cmd::toolbarButtons(resource);
    return frame.toolBarCommands() == QList<int>(buttons.begin(), buttons.end());
}

}  // namespace

StandardsMenus::StandardsMenus(QMdiArea &area) : QObject(&area), area_(area) {
    connect(&area, &QMdiArea::subWindowActivated, this, &StandardsMenus::onActivated);
    QAction *properties = mainFrame()->action(cmd::kProperties);
    if (properties->text().startsWith(QStringLiteral("Command"))) properties->setText(tr("Pr&operties..."));
}

CMainFrame *StandardsMenus::mainFrame() const { return qobject_cast<CMainFrame *>(area_.window()); }

void StandardsMenus::follow(QWidget *standardsWindow) {
    auto *area = qobject_cast<QMdiArea *>(standardsWindow->parentWidget());
    auto *main = area ? qobject_cast<CMainFrame *>(area->window()) : nullptr;
    if (!main || area->findChild<StandardsMenus *>(QString(), Qt::FindDirectChildrenOnly)) return;
    new StandardsMenus(*area);
}

void StandardsMenus::onActivated(QMdiSubWindow *window) {
    CMainFrame *frame = mainFrame();
    if (!frame) return;
    if (window && qobject_cast<CNormFrame *>(window->widget()))
        install(*frame);
    else
        remove(*frame);
}

void StandardsMenus::install(CMainFrame &frame) {
    if (!showsToolBar(frame, cmd::kResourceStandards)) frame.loadToolBar(cmd::kResourceStandards);
    if (!added_.isEmpty()) return;
    QMenu *file = frame.menuBar()->actions().value(0) ? frame.menuBar()->actions().value(0)->menu() : nullptr;
    if (!file) return;
    QAction *before = file->actions().value(0);
    for (const int id : kFileCommands) {
        QAction *entry = id == cmd::kSeparator ? new QAction(file) : frame.action(id);
        if (id == cmd::kSeparator) entry->setSeparator(true);
        file->insertAction(before, entry);
        added_.append(entry);
    }
}

void StandardsMenus::remove(CMainFrame &frame) {
    if (showsToolBar(frame, cmd::kResourceStandards)) frame.loadToolBar(cmd::kResourceMain);
    QMenu *file = frame.menuBar()->actions().value(0) ? frame.menuBar()->actions().value(0)->menu() : nullptr;
    for (QAction *entry : added_) {
        if (file) file->removeAction(entry);
        if (entry->isSeparator()) entry->deleteLater();
    }
    added_.clear();
}

}  // namespace quillet
