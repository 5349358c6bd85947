#include "main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include "command_ids.h"
#include "command_table.h"
#include "message_prompt.h"
#include "profile_settings.h"
#include "recent_files.h"
#include "status_panes.h"
#include "tool_icons.h"
#include "torvlink.h"

namespace quillet {
namespace {

// How often the status panes follow the link state, as an idle update would.
constexpr int kIdleRefreshMs = 250;

}  // namespace

CMainFrame::CMainFrame(CommandTarget &application, QWidget *parent)
    : QMainWindow(parent), application_(application), mdiArea_(new QMdiArea) {
    setCentralWidget(mdiArea_);
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::updateCommands);
    updateCommands();
}

CMainFrame::~CMainFrame() {
    // The document windows close after this part of the frame is gone.
    disconnect(mdiArea_, nullptr, this, nullptr);
    if (TorvikCommIsOpen()) TorvikCommClose();
}

void CMainFrame::createActions() {
    commands_ = new CommandTable(this);
    connect(commands_, &CommandTable::triggered, this, &CMainFrame::runCommand);
    action(cmd::kViewToolbar)->setCheckable(true);
    action(cmd::kViewStatusBar)->setCheckable(true);
}

QAction *CMainFrame::action(int id) {
    return commands_->action(id);
}

void CMainFrame::createToolBars() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    loadToolBar(cmd::kResourceMain);
}

void CMainFrame::loadToolBar(int resource) {
    toolBar_->clear();
    for (const int id : cmd::toolbarButtons(resource)) {
        if (id == cmd::kSeparator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(id));
    }
    updateCommands();
}

QList<int> CMainFrame::toolBarCommands() const {
    QList<int> ids;
    for (QAction *button : toolBar_->actions()) {
        if (button->isSeparator()) {
            ids.append(cmd::kSeparator);
            continue;
        }
        for (const int id : commands_->ids()) {
            if (commands_->action(id) == button) ids.append(id);
        }
    }
    return ids;
}

void CMainFrame::createStatusBar() {
    panes_ = new CStatusPanes(statusBar());
    // The idle prompt comes back whenever a command's explanation goes.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (message.isEmpty()) statusBar()->showMessage(tr("Ready"));
    });
    statusBar()->showMessage(tr("Ready"));
    idleRefresh_ = new QTimer(this);
    connect(idleRefresh_, &QTimer::timeout, panes_, &CStatusPanes::refreshLinkPane);
    idleRefresh_->start(kIdleRefreshMs);
}

// The recent-file list the application keeps in the profile.
void CMainFrame::readSettings() {
    const Profile profile;
    QStringList paths;
    for (int n = 1; n <= static_cast<int>(kRecentFileCount); ++n) {
        const QString path = profile.readString(QString::fromUtf8(kRecentFileSection),
                                                QString::fromStdString(recentFileKey(n)));
        if (!path.isEmpty()) paths.append(path);
    }
    setRecentFiles(paths);
}

void CMainFrame::setRecentFiles(const QStringList &paths) {
    recentFiles_ = paths;
    rebuildRecentFilesMenu();
}

void CMainFrame::setPositionText(const QString &text) {
    panes_->setPositionText(text);
}

void CMainFrame::addDocumentWindow(QWidget *frame) {
    // A document with several windows may have placed them already.
    auto *window = qobject_cast<QMdiSubWindow *>(frame->parentWidget());
    if (!window) {
        // A frame that asked for a size opens at it, within the area; the
        // others keep the area's default.
        const bool sized = frame->testAttribute(Qt::WA_Resized);
        const QSize wanted = frame->size();
        window = mdiArea_->addSubWindow(frame);
        const QSize area = mdiArea_->viewport()->size();
        if (sized) window->resize(area.isEmpty() ? wanted : wanted.boundedTo(area));
    }
    window->show();
    updateCommands();
}

CommandTarget *CMainFrame::activeDocumentTarget() const {
    QMdiSubWindow *active = mdiArea_->activeSubWindow();
    return active ? dynamic_cast<CommandTarget *>(active->widget()) : nullptr;
}

CommandTarget *CMainFrame::targetFor(int id) const {
    if (CommandTarget *document = activeDocumentTarget(); document && document->handlesCommand(id)) return document;
    if (handlesCommand(id)) return const_cast<CMainFrame *>(this);
    if (application_.handlesCommand(id)) return &application_;
    return nullptr;
}

void CMainFrame::runCommand(int id) {
    CommandTarget *target = targetFor(id);
    if (target && target->isCommandEnabled(id)) target->onCommand(id);
    updateCommands();
}

void CMainFrame::postCommand(int id) {
    QTimer::singleShot(0, this, [this, id] { runCommand(id); });
}

void CMainFrame::updateCommands() {
    for (const int id : commands_->ids()) {
        CommandTarget *target = targetFor(id);
        QAction *command = commands_->action(id);
        command->setEnabled(target && target->isCommandEnabled(id));
        if (command->isCheckable()) command->setChecked(target && target->isCommandChecked(id));
    }
    if (panes_) panes_->refreshLinkPane();  // none yet while the window is built
    updateTitle();
}

void CMainFrame::updateTitle() {
    QMdiSubWindow *active = mdiArea_->activeSubWindow();
    setWindowTitle(active ? appTitle() + QStringLiteral(" - [%1]").arg(active->windowTitle()) : appTitle());
}

bool CMainFrame::handlesCommand(int id) const {
    switch (id) {
    case cmd::kAppExit:
    case cmd::kViewToolbar:
    case cmd::kViewStatusBar:
    case cmd::kWindowCascade:
    case cmd::kWindowTileHorz:
    case cmd::kNextPane:
    case cmd::kPrevPane:
    case cmd::kContextHelp: return true;
    default: return false;
    }
}

bool CMainFrame::isCommandEnabled(int id) const {
    switch (id) {
    case cmd::kWindowCascade:
    case cmd::kWindowTileHorz:
    case cmd::kNextPane:
    case cmd::kPrevPane: return !mdiArea_->subWindowList().isEmpty();
    default: return true;
    }
}

bool CMainFrame::isCommandChecked(int id) const {
    if (id == cmd::kViewToolbar) return toolBar_ && !toolBar_->isHidden();
    if (id == cmd::kViewStatusBar) return !statusBar()->isHidden();
    return false;
}

void CMainFrame::onCommand(int id) {
    switch (id) {
    case cmd::kAppExit: close(); break;
    case cmd::kViewToolbar: toolBar_->setVisible(toolBar_->isHidden()); break;
    case cmd::kViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    case cmd::kWindowCascade: mdiArea_->cascadeSubWindows(); break;
    case cmd::kWindowTileHorz: mdiArea_->tileSubWindows(); break;
    case cmd::kNextPane: mdiArea_->activateNextSubWindow(); break;
    case cmd::kPrevPane: mdiArea_->activatePreviousSubWindow(); break;
    case cmd::kContextHelp: QWhatsThis::enterWhatsThisMode(); break;
    default: break;
    }
}

void CMainFrame::closeEvent(QCloseEvent *event) {
    mdiArea_->closeAllSubWindows();
    for (QMdiSubWindow *window : mdiArea_->subWindowList()) {
        if (window->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event) {
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    if (!paths.isEmpty()) emit filesDropped(paths);
    event->acceptProposedAction();
}

}  // namespace quillet
