// While a standards window is active the main window carries the
// standards toolbar (5) and the window's own commands at the top of the
// File menu; they go again when another window becomes active.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace quillet {

class CMainFrame;

class StandardsMenus : public QObject {
    Q_OBJECT
public:
    // Starts following the MDI area the window was created in (once per
    // main window).
    static void follow(QWidget *standardsWindow);

private:
    explicit StandardsMenus(QMdiArea &area);
    // The main window, while it is one: not while it is being destroyed.
    CMainFrame *mainFrame() const;
    void onActivated(QMdiSubWindow *window);
    void install(CMainFrame &frame);
    void remove(CMainFrame &frame);

    QMdiArea &area_;
    QList<QAction *> added_;
};

}  // namespace quillet
