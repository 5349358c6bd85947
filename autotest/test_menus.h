// The menus of the site windows: "&Edit", "&Plugs" and "&Options" and the
// document's items of the File menu, shown while a site window is active,
// the pop-up menus of the plug list (244) and the site summary (245), and
// the texts of their commands.
#pragma once

class QMenu;
class QWidget;

namespace quillet {
class CMainFrame;
}

namespace quillet::autotest {

// Once per main window; later calls do nothing.
void installAutotestMenus(CMainFrame &mainFrame);

QMenu *createPopupMenu(CMainFrame &mainFrame, int menuId, QWidget *parent);

}  // namespace quillet::autotest
