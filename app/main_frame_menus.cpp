// The menus of the main window with no document open (menu 2).
#include <QDir>
#include <QMenuBar>

#include "command_ids.h"
#include "main_frame.h"

namespace quillet {

void CMainFrame::createMenus() {
    menuBar()->addMenu(createFileMenu());
    menuBar()->addMenu(createDocumentMenu(tr("&Autotests"), cmd::kAutotestsDownload, cmd::kAutotestsOpen));
    menuBar()->addMenu(createGraphsMenu());
    menuBar()->addMenu(createViewMenu());
    menuBar()->addMenu(createWindowMenu());
    menuBar()->addMenu(createHelpMenu());
}

QMenu *CMainFrame::createFileMenu() {
    fileMenu_ = new QMenu(tr("&File"), this);
    fileMenu_->addAction(action(cmd::kIdentifyTester));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::kPrintHeader));
    fileMenu_->addAction(action(cmd::kFilePrintSetup));
    fileMenu_->addSeparator();
    recentEnd_ = fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::kAppExit));
    return fileMenu_;
}

QMenu *CMainFrame::createDocumentMenu(const QString &title, int download, int open) {
    auto *menu = new QMenu(title, this);
    menu->addAction(action(download));
    menu->addAction(action(open));
    return menu;
}

QMenu *CMainFrame::createGraphsMenu() {
    QMenu *menu = createDocumentMenu(tr("&Graphs"), cmd::kGraphsDownload, cmd::kGraphsOpen);
    menu->addSeparator();
    menu->addMenu(createDocumentMenu(tr("&Standards"), cmd::kStandardsDownload, cmd::kStandardsOpen));
    return menu;
}

QMenu *CMainFrame::createViewMenu() {
    auto *menu = new QMenu(tr("&View"), this);
    menu->addAction(action(cmd::kViewToolbar));
    menu->addAction(action(cmd::kViewStatusBar));
    return menu;
}

QMenu *CMainFrame::createWindowMenu() {
    auto *menu = new QMenu(tr("&Window"), this);
    menu->addAction(action(cmd::kWindowCascade));
    menu->addAction(action(cmd::kWindowTileHorz));
    return menu;
}

QMenu *CMainFrame::createHelpMenu() {
    auto *menu = new QMenu(tr("&Help"), this);
    menu->addAction(action(cmd::kStartingHelper));
    menu->addSeparator();
    menu->addAction(action(cmd::kContextHelp));
    menu->addSeparator();
    menu->addAction(action(cmd::kAppAbout));
    return menu;
}

// The recent files sit in the File menu just before "E&xit", numbered from
// 1, their separator hidden while the list is empty.
void CMainFrame::rebuildRecentFilesMenu() {
    for (QAction *entry : recentActions_) {
        fileMenu_->removeAction(entry);
        entry->deleteLater();
    }
    recentActions_.clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), fileMenu_);
        connect(entry, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
        fileMenu_->insertAction(recentEnd_, entry);
        recentActions_.append(entry);
    }
    recentEnd_->setVisible(!recentActions_.isEmpty());
}

}  // namespace quillet
