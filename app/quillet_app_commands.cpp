// The application's commands: download and open of each document type,
// File Open, printer set-up, identification, print header, starting helper
// and the About box.
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>

#include "about_dlg.h"
#include "command_ids.h"
#include "cp1252.h"
#include "doc_type_dlg.h"
#include "main_frame.h"
#include "message_prompt.h"
#include "print_header_dlg.h"
#include "quillet_app.h"
#include "start_helper_dlg.h"

namespace quillet {

bool CQuilletApp::handlesCommand(int id) const {
    switch (id) {
    case cmd::kAutotestsDownload:
    case cmd::kAutotestsOpen:
    case cmd::kGraphsDownload:
    case cmd::kGraphsOpen:
    case cmd::kStandardsDownload:
    case cmd::kStandardsOpen:
    case cmd::kFileOpen:
    case cmd::kFilePrintSetup:
    case cmd::kIdentifyTester:
    case cmd::kPrintHeader:
    case cmd::kStartingHelper:
    case cmd::kAppAbout: return true;
    default: return false;
    }
}

// A document type's commands wait for its document to exist.
bool CQuilletApp::isCommandEnabled(int id) const {
    switch (id) {
    case cmd::kAutotestsDownload:
    case cmd::kAutotestsOpen: return templates_[0]->canCreateDocuments();
    case cmd::kGraphsDownload:
    case cmd::kGraphsOpen: return templates_[1]->canCreateDocuments();
    case cmd::kStandardsDownload:
    case cmd::kStandardsOpen: return templates_[2]->canCreateDocuments();
    case cmd::kFileOpen: return anyTemplateCreates();
    default: return handlesCommand(id);
    }
}

void CQuilletApp::onCommand(int id) {
    switch (id) {
    case cmd::kAutotestsDownload: onDownload(autotestTemplate()); break;
    case cmd::kAutotestsOpen: onOpen(autotestTemplate()); break;
    case cmd::kGraphsDownload: onDownload(graphTemplate()); break;
    case cmd::kGraphsOpen: onOpen(graphTemplate()); break;
    case cmd::kStandardsDownload: onDownload(standardsTemplate()); break;
    case cmd::kStandardsOpen: onOpen(standardsTemplate()); break;
    case cmd::kFileOpen: onFileOpen(); break;
    case cmd::kFilePrintSetup: onPrintSetup(); break;
    case cmd::kIdentifyTester: identifyTester(linkContext()); break;
    case cmd::kPrintHeader: onPrintHeader(); break;
    case cmd::kStartingHelper: onStartingHelper(); break;
    case cmd::kAppAbout: onAbout(); break;
    default: break;
    }
}

void CQuilletApp::onDownload(CMultiDocTemplate &type) {
    if (!type.factory()) return;
    if (QWidget *frame = type.factory()->download(mainFrame_->mdiArea())) mainFrame_->addDocumentWindow(frame);
}

void CQuilletApp::onOpen(CMultiDocTemplate &type) {
    if (!type.factory()) return;
    const QString path = type.promptOpenFileName(mainFrame_.get());
    if (path.isEmpty()) return;
    if (QWidget *frame = type.factory()->open(path, mainFrame_->mdiArea())) mainFrame_->addDocumentWindow(frame);
}

// The generic Open: with several types the user picks one first, then that
// type's own file prompt.
void CQuilletApp::onFileOpen() {
    if (templates_.empty()) {
        prompt_->show(toUtf8(appTitle()), toUtf8(tr("Failed to create empty document.")), MessageIcon::Exclamation,
                      MessageButtons::Ok);
        return;
    }
    QStringList names;
    for (const auto &type : templates_) names.append(type->newName());
    const int chosen = templates_.size() > 1 ? CDocTypeDlg::choose(names, mainFrame_.get()) : 0;
    if (chosen < 0) return;
    onOpen(*templates_[static_cast<std::size_t>(chosen)]);
}

QPrinter &CQuilletApp::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

void CQuilletApp::onPrintSetup() {
    QPrintDialog dialog(&printer(), mainFrame_.get());
    dialog.setWindowTitle(tr("Print Setup"));
    dialog.exec();
}

void CQuilletApp::onPrintHeader() {
    CPrintHeaderDlg dialog(mainFrame_.get());
    dialog.exec();
}

void CQuilletApp::onStartingHelper() {
    CStartHelperDlg dialog(mainFrame_.get());
    if (dialog.exec() == QDialog::Accepted && dialog.chosenCommand())
        mainFrame_->postCommand(*dialog.chosenCommand());
}

void CQuilletApp::onAbout() {
    const QString folder = environment_.programFolder;
    const ProcessStarter start = environment_.startProcess;
    CAboutDlg dialog(environment_.version, loadedLinkLibraryVersion(),
                     [folder, start] { startFirmwareUpdate(folder, start); }, mainFrame_.get());
    dialog.exec();
}

}  // namespace quillet
