#include "grph_frame.h"

#include "grph_view.h"

#include <QFileDialog>
#include <QFileInfo>
#include <optional>

#include "command_ids.h"
#include "graph_export.h"
#include "graph_grouping.h"
#include "graph_texts.h"
#include "quillet_strings.h"
#include "tester_text.h"
#include "three_buttons_dlg.h"

namespace quillet::graphs {

// The document is on the heap, so the view may read it before the frame
// takes ownership.
CGrphFrame::CGrphFrame(std::unique_ptr<CGrphDoc> document, QWidget *parent)
    : CGraphFrame(new CGrphView(document->plot), parent), document_(std::move(document)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CGrphView *CGrphFrame::graphView() const { return static_cast<CGrphView *>(view()); }

namespace {

QString text(int id) { return QString::fromStdString(cp1252ToUtf8(resourceString(id))); }

struct FileChoice {
    QString path;
    bool add = false;
};

// The file dialog, then for an existing file "&ADD data to the end of the
// file", "&REPLACE existing data" or "Select ANOTHER &FILE NAME" (back to
// the file dialog); nothing when the user cancelled.
std::optional<FileChoice> chooseFile(QWidget *parent, const QString &caption, const QString &filter,
                                     const QString &proposed) {
    for (;;) {
        const QString path = QFileDialog::getSaveFileName(parent, caption, proposed, filter, nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty()) return std::nullopt;
        if (!QFileInfo::exists(path)) return FileChoice{path, false};
        C3ButtonsDlg dialog(text(ids::kAppTitle),
                            QString::fromStdString(formatResource(kFileExists, path.toStdString())),
                            {text(kAddToEnd), text(kReplaceData), text(kAnotherFile)}, C3ButtonsDlg::kButton1, parent);
        switch (dialog.exec()) {
        case C3ButtonsDlg::kButton1: return FileChoice{path, true};
        case C3ButtonsDlg::kButton2: return FileChoice{path, false};
        case C3ButtonsDlg::kButton3: continue;
        default: return std::nullopt;
        }
    }
}

}  // namespace

bool CGrphFrame::handlesCommand(int id) const {
    return id == cmd::kFileSave || id == cmd::kFileSaveAs || id == cmd::kExport || CGraphFrame::handlesCommand(id);
}

bool CGrphFrame::isCommandEnabled(int id) const {
    if (id == cmd::kFileSave || id == cmd::kFileSaveAs || id == cmd::kExport) return true;
    return CGraphFrame::isCommandEnabled(id);
}

void CGrphFrame::onCommand(int id) {
    if (id == cmd::kFileSave && !path_.isEmpty()) {
        const auto saved = saveGraphDocument(path_.toStdString(), document_->file, false);
        if (!saved) tell(cp1252ToUtf8(saved.error().text()));
    } else if (id == cmd::kFileSave || id == cmd::kFileSaveAs) {
        saveAs();
    } else if (id == cmd::kExport) {
        exportText();
    } else {
        CGraphFrame::onCommand(id);
    }
}

void CGrphFrame::saveAs() {
    const auto choice = chooseFile(this, QString(), QStringLiteral("Graph Files (*.frt)"),
                                   QString::fromStdString(document_->plot.plotTitle()) + QStringLiteral(".frt"));
    if (!choice) return;
    const auto saved = saveGraphDocument(choice->path.toStdString(), document_->file, choice->add);
    if (!saved) return tell(cp1252ToUtf8(saved.error().text()));
    path_ = choice->path;
}

void CGrphFrame::exportText() {
    QString proposed = QString::fromStdString(document_->plot.plotTitle());
    if (proposed.lastIndexOf('.') > 0) proposed.truncate(proposed.lastIndexOf('.'));
    const auto choice = chooseFile(this, text(kExportToFile), text(kTextFilter), proposed + text(kTextExtension));
    if (!choice) return;
    const int result = writeGraphExport(choice->path.toStdString(), document_->file, programRegional(),
                                        choice->add ? GraphExportMode::Append : GraphExportMode::Replace);
    if (result != 0) tell(resourceString(result));
}

void CGrphFrame::tell(const std::string &message) {
    if (prompt_) prompt_->show(resourceString(ids::kAppTitle), message, MessageIcon::Exclamation, MessageButtons::Ok);
}

CGrphFrame *openGraphWindow(std::unique_ptr<CGrphDoc> document, QWidget *parent) {
    auto *frame = new CGrphFrame(std::move(document), parent);
    frame->setWindowTitle(QString::fromStdString(frame->document().plot.plotTitle()));
    if (!frame->graphView()->showDocumentCurves()) {
        delete frame;
        return nullptr;
    }
    return frame;
}

}  // namespace quillet::graphs
