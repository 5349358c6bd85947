#include "quillet_app.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

#include "command_ids.h"
#include "comm_params_dlg.h"
#include "comm_setup.h"
#include "cp1252.h"
#include "main_frame.h"
#include "message_prompt.h"
#include "profile_settings.h"
#include "quillet_strings.h"
#include "recent_files.h"
#include "start_helper_dlg.h"

namespace quillet {
namespace {

// Maximised; where no window manager applies that state (a bare X server)
// the window is given the whole work area itself once it is up.
void showMaximized(QWidget &window) {
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window] {
        const QScreen *screen = window.screen();
        if (screen && window.frameGeometry().size() == window.size() && window.size() != screen->availableSize())
            window.setGeometry(screen->availableGeometry());
    });
}

}  // namespace

CQuilletApp::CQuilletApp(AppEnvironment environment)
    : environment_(std::move(environment)), screenPrompt_(std::make_unique<QtUserPrompt>()) {
    prompt_ = environment_.prompt ? environment_.prompt : screenPrompt_.get();
    if (!environment_.startProcess) environment_.startProcess = &startDetachedProcess;
    if (environment_.programFolder.isEmpty()) environment_.programFolder = QCoreApplication::applicationDirPath();
    registerTemplates();
}

CQuilletApp::~CQuilletApp() {
    mainFrame_.reset();  // closes a link still open
    removeLinkHooks();
}

bool CQuilletApp::initInstance(const QStringList &arguments) {
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    screenPrompt_->setParent(mainFrame_.get());
    installLinkHooks(*prompt_);
    applyPortDevices();
    connect(mainFrame_.get(), &CMainFrame::filesDropped, this, [this](const QStringList &paths) {
        for (const auto &path : paths) openDocumentFile(path);
    });
    connect(mainFrame_.get(), &CMainFrame::recentFileChosen, this, &CQuilletApp::openDocumentFile);
    if (!processCommandLine(arguments)) return false;
    showMaximized(*mainFrame_);
    if (arguments.isEmpty()) {
        warnIfTestBuild();
        if (startingHelperWanted()) mainFrame_->postCommand(cmd::kStartingHelper);
    }
    return true;
}

// The autotest, graph and standards types, in that order, for the
// program's lifetime; their documents attach through setFactory().
void CQuilletApp::registerTemplates() {
    templates_.push_back(std::make_unique<CTestDocTemplate>());
    templates_.push_back(std::make_unique<CGrphDocTemplate>());
    templates_.push_back(std::make_unique<CNormDocTemplate>());
}

// Nothing happens without arguments; a file name opens that file.
bool CQuilletApp::processCommandLine(const QStringList &arguments) {
    for (const QString &argument : arguments) {
        if (!openDocumentFile(argument)) return false;
    }
    return true;
}

void CQuilletApp::warnIfTestBuild() {
    if (const auto warning = testBuildWarning(environment_.version.productVersion))
        prompt_->show(toUtf8(appTitle()), *warning, MessageIcon::Exclamation, MessageButtons::Ok);
}

TesterLinkContext CQuilletApp::linkContext() {
    PortChooser choose = environment_.choosePort;
    if (!choose) choose = [this](int port) { return chooseTesterPort(mainFrame_.get(), port); };
    return {*prompt_, std::move(choose), environment_.version.productVersion};
}

CMultiDocTemplate *CQuilletApp::templateFor(const QString &path) const {
    for (const auto &type : templates_) {
        if (type->matches(path)) return type.get();
    }
    return nullptr;
}

bool CQuilletApp::anyTemplateCreates() const {
    for (const auto &type : templates_) {
        if (type->canCreateDocuments()) return true;
    }
    return false;
}

bool CQuilletApp::openDocumentFile(const QString &path) {
    CMultiDocTemplate *type = templateFor(path);
    QWidget *frame = type && type->factory() ? type->factory()->open(path, mainFrame_->mdiArea()) : nullptr;
    if (!frame) {
        if (!type || !type->factory())
            prompt_->show(toUtf8(appTitle()), toUtf8(tr("Failed to open document.")), MessageIcon::Exclamation,
                          MessageButtons::Ok);
        return false;
    }
    mainFrame_->addDocumentWindow(frame);
    addToRecentFiles(path);
    return true;
}

void CQuilletApp::addToRecentFiles(const QString &path) {
    std::vector<std::string> list;
    for (const QString &entry : mainFrame_->recentFiles()) list.push_back(toUtf8(entry));
    list = addRecentFile(std::move(list), toUtf8(path));
    Profile profile;
    QStringList paths;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        const QString entry = i < list.size() ? fromUtf8(list[i]) : QString();
        profile.writeString(QString::fromUtf8(kRecentFileSection),
                            QString::fromStdString(recentFileKey(static_cast<int>(i) + 1)), entry);
        if (!entry.isEmpty()) paths.append(entry);
    }
    mainFrame_->setRecentFiles(paths);
}

}  // namespace quillet
