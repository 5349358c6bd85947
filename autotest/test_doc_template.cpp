#include "test_doc_template.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "cp1252.h"
#include "main_frame.h"
#include "open_file_dlg.h"
#include "shell_transfer_interaction.h"
#include "quillet_app.h"
#include "test_frame.h"
#include "test_menus.h"

namespace quillet::autotest {

CTestDocTemplate::CTestDocTemplate(const CMultiDocTemplate &type, AutotestEnvironment env)
    : type_(type), env_(std::move(env)) {}

CTestDocTemplate::~CTestDocTemplate() = default;

void CTestDocTemplate::followMainFrame() {
    if (env_.findMainFrame) env_.mainFrame = env_.findMainFrame();
}

CTestDoc *CTestDocTemplate::newDocument() {
    followMainFrame();
    documents_.push_back(std::make_unique<CTestDoc>(*this, env_));
    return documents_.back().get();
}

void CTestDocTemplate::discard(CTestDoc *doc) {
    frames_.erase(doc);
    std::erase_if(documents_, [doc](const auto &owned) { return owned.get() == doc; });
}

std::vector<CTestDoc *> CTestDocTemplate::documents() const {
    std::vector<CTestDoc *> docs;
    for (const auto &doc : documents_) docs.push_back(doc.get());
    return docs;
}

std::vector<CTestFrame *> CTestDocTemplate::framesOf(const CTestDoc &doc) const {
    std::vector<CTestFrame *> frames;
    const auto found = frames_.find(&doc);
    if (found == frames_.end()) return frames;
    for (QObject *frame : found->second) frames.push_back(static_cast<CTestFrame *>(frame));
    return frames;
}

int CTestDocTemplate::openFrameCount(const CTestDoc &doc) const {
    int count = 0;
    for (CTestFrame *frame : framesOf(doc)) count += frame->isClosing() ? 0 : 1;
    return count;
}

// A download is a new untitled document ("Test1", "Test2"...) that exists
// only once something was read; saving after the transfer comes before the
// windows, so a download grouped into a file shows that file instead.
QWidget *CTestDocTemplate::download(QWidget *) {
    CTestDoc *doc = newDocument();
    const std::string &name = type_.strings().docName;
    doc->setTitle(name.empty() ? tr("Untitled") : fromUtf8(name) + QString::number(++untitled_));
    ShellTransferInteraction ui(*env_.prompt, env_.chooser, env_.mainFrame);
    bool saveAfterTransfer = false;
    if (!doc->download(ui, saveAfterTransfer)) {
        discard(doc);
        return nullptr;
    }
    if (saveAfterTransfer && doc->saveAs() == SaveOutcome::Grouped) {
        discard(doc);
        return nullptr;
    }
    doc->displayFlags().assign(doc->sites().size(), 1);
    QWidget *first = showDocument(*doc);
    if (!first) discard(doc);
    return first;
}

QWidget *CTestDocTemplate::open(const QString &path, QWidget *) {
    CTestDoc *doc = newDocument();
    if (!doc->openDocument(path)) {
        discard(doc);
        return nullptr;
    }
    doc->setPath(path);
    if (env_.addRecentFile) env_.addRecentFile(path);
    QWidget *first = showDocument(*doc);
    if (!first) discard(doc);
    return first;
}

QWidget *CTestDocTemplate::showDocument(CTestDoc &doc) {
    if (!chooseDisplayedSites(doc)) return nullptr;
    CTestFrame *first = nullptr;
    for (std::size_t site = 0; site < doc.sites().size(); ++site) {
        if (!doc.displayFlags()[site]) continue;
        CTestFrame *frame = addFrame(doc, site);
        if (!first) first = frame;
    }
    return first;
}

// One site is shown at once; of several the user chooses, and may delete
// some from the document.
bool CTestDocTemplate::chooseDisplayedSites(CTestDoc &doc) {
    auto &flags = doc.displayFlags();
    flags.resize(doc.sites().size(), 0);
    if (doc.sites().size() == 1) {
        flags[0] = 1;
        return true;
    }
    std::fill(flags.begin(), flags.end(), 0);
    if (doc.sites().empty()) return false;
    ShellTransferInteraction ui(*env_.prompt, env_.chooser, env_.mainFrame);
    const auto choice = ui.select({109, doc.siteLines(), toCp1252(doc.title())});
    if (!choice) return false;
    if (choice->chosen.empty()) std::fill(flags.begin(), flags.end(), 1);
    for (std::size_t index : choice->chosen) flags[index] = 1;
    doc.deleteSites(choice->deleted);
    return true;
}

CTestFrame *CTestDocTemplate::addFrame(CTestDoc &doc, std::size_t site) {
    auto *frame = new CTestFrame(doc, site, env_);
    frames_[&doc].push_back(frame);
    CTestDoc *owner = &doc;
    connect(frame, &QObject::destroyed, this, [this, owner](QObject *gone) { frameDestroyed(owner, gone); });
    if (env_.mainFrame) {
        installAutotestMenus(*env_.mainFrame);
        env_.mainFrame->addDocumentWindow(frame);
        // The newest window is the active one, as a new window is.
        if (auto *window = qobject_cast<QMdiSubWindow *>(frame->parentWidget()))
            env_.mainFrame->mdiArea()->setActiveSubWindow(window);
    }
    frame->initialUpdate();
    return frame;
}

// Closing the last window of a document closes the document.
void CTestDocTemplate::frameDestroyed(CTestDoc *doc, QObject *frame) {
    const auto found = frames_.find(doc);
    if (found == frames_.end()) return;
    std::erase(found->second, frame);
    if (found->second.empty()) discard(doc);
}

void CTestDocTemplate::closeDocument(CTestDoc &doc) {
    for (CTestFrame *frame : framesOf(doc)) {
        QWidget *window = frame->parentWidget() ? frame->parentWidget() : frame;
        if (!window->close()) return;
    }
}

std::optional<QString> CTestDocTemplate::promptOpenFileName(QWidget *parent) {
    followMainFrame();
    COpenTestDlg dialog(fileFilter(), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

bool CTestDocTemplate::groupInto(CTestDoc &doc, const QString &path) {
    ShellTransferInteraction ui(*env_.prompt, env_.chooser, env_.mainFrame);
    if (!doc.mergeInto(path, ui)) return false;
    QWidget *merged = open(path, env_.mainFrame ? env_.mainFrame->mdiArea() : nullptr);
    if (!merged) return false;
    if (env_.mainFrame) env_.mainFrame->addDocumentWindow(merged);
    if (doc.path().isEmpty()) doc.setModified(false);
    QPointer<CTestDoc> grouped(&doc);
    QTimer::singleShot(0, this, [this, grouped] {
        if (grouped) closeDocument(*grouped);
    });
    return true;
}

CTestDocTemplate &registerAutotestDocuments(CQuilletApp &app,
                                            const std::function<void(AutotestEnvironment &)> &adjust) {
    AutotestEnvironment env;
    env.prompt = &app.prompt();
    env.link = [&app] { return app.linkContext(); };
    env.findMainFrame = [&app] { return app.mainFrame(); };
    env.addRecentFile = [&app](const QString &path) { app.addToRecentFiles(path); };
    env.printer = [&app] { return &app.printer(); };
    if (adjust) adjust(env);
    CMultiDocTemplate &type = app.autotestTemplate();
    auto documents = std::make_unique<CTestDocTemplate>(type, std::move(env));
    CTestDocTemplate &registered = *documents;
    type.setFactory(std::move(documents));
    return registered;
}

}  // namespace quillet::autotest
