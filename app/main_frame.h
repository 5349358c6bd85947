// CMainFrame: the MDI main window with its menus, toolbar and status bar.
// Commands are routed to the active document window, then to this window,
// then to the application; their enable and check states are refreshed in
// one place (updateCommands) whenever the active window changes.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include "command_target.h"

class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace quillet {

class CommandTable;
class CStatusPanes;

class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(CommandTarget &application, QWidget *parent = nullptr);
    // Closes the tester link if it is still open.
    ~CMainFrame() override;

    QAction *action(int id);
    QMdiArea *mdiArea() const { return mdiArea_; }
    QToolBar *toolBar() const { return toolBar_; }
    CStatusPanes *statusPanes() const { return panes_; }
    QList<QAction *> recentFileActions() const { return recentActions_; }

    // Shows toolbar `resource` (2 with no document; a view loads its own).
    void loadToolBar(int resource);
    QList<int> toolBarCommands() const;

    void addDocumentWindow(QWidget *frame);
    void setRecentFiles(const QStringList &paths);
    QStringList recentFiles() const { return recentFiles_; }
    void setPositionText(const QString &text);

    // Sends a command along the routing chain at once, or once the event
    // loop runs again.
    void runCommand(int id);
    void postCommand(int id);
    void updateCommands();

    // Framework commands: exit, bars, windows, panes, context help.
    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void onCommand(int id) override;

signals:
    void filesDropped(const QStringList &paths);
    void recentFileChosen(const QString &path);

protected:
    // Every document window closes first (a modified document asks); the
    // program stays when one of them refuses.
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();

    QMenu *createFileMenu();
    QMenu *createDocumentMenu(const QString &title, int download, int open);
    QMenu *createGraphsMenu();
    QMenu *createViewMenu();
    QMenu *createWindowMenu();
    QMenu *createHelpMenu();
    void rebuildRecentFilesMenu();

    CommandTarget *targetFor(int id) const;
    CommandTarget *activeDocumentTarget() const;
    void updateTitle();

    CommandTarget &application_;
    CommandTable *commands_ = nullptr;
    QMdiArea *mdiArea_;
    QToolBar *toolBar_ = nullptr;
    CStatusPanes *panes_ = nullptr;
    QMenu *fileMenu_ = nullptr;
    QAction *recentEnd_ = nullptr;  // the separator after the recent files
    QList<QAction *> recentActions_;
    QStringList recentFiles_;
    QTimer *idleRefresh_ = nullptr;
};

}  // namespace quillet
