#include "norm_frame.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "command_ids.h"
#include "comment_dlgs.h"
#include "cp1252.h"
#include "doc_template_strings.h"
#include "main_frame.h"
#include "message_prompt.h"
#include "norm_listing.h"
#include "norm_view.h"
#include "number_format.h"
#include "print_header_profile.h"
#include "quillet_strings.h"
#include "regional.h"
#include "standards_menus.h"
#include "status_texts.h"
#include "tester_text.h"

namespace quillet {
namespace {

QString normFilter() {
    return QString::fromStdString(parseDocTemplateStrings(resourceString(ids::kNormDocStrings)).filterName);
}

}  // namespace

CNormFrame::CNormFrame(std::unique_ptr<CNormDoc> document, UserPrompt &prompt, QWidget *parent)
    : QWidget(parent), document_(std::move(document)), prompt_(prompt), view_(new CNormView) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
    updateAllViews();
    StandardsMenus::follow(this);
    connect(view_, &CNormView::currentLineChanged, this, [this](int line) {
        if (auto *main = qobject_cast<CMainFrame *>(window()))
            main->setPositionText(QString::fromStdString(positionPaneText(line)));
    });
}

CNormFrame::~CNormFrame() = default;

void CNormFrame::updateAllViews() {
    view_->setListing(standards::normListingLines(document_->standards(), NumberFormat(programRegional().decimal)));
    setWindowTitle(document_->title() + (document_->isModified() ? QStringLiteral("*") : QString()));
}

TextPages CNormFrame::printedPages() const {
    TextPageSettings settings;
    settings.title = document_->title();
    settings.tabStops.assign(standards::kListingTabStops.begin(), standards::kListingTabStops.end());
    std::vector<TextPageLine> lines;
    for (const std::string &line : view_->listing()) lines.push_back({line, standards::opensStandard(line)});
    PrintHeader header;
    readPrintHeader(&header);
    return TextPages(std::move(settings), std::move(lines), std::move(header));
}

bool CNormFrame::save() {
    if (document_->pathName().isEmpty()) return saveAs();
    const bool saved = document_->onSaveDocument(document_->pathName(), prompt_, this);
    updateAllViews();
    return saved;
}

bool CNormFrame::saveAs() {
    QString path = QFileDialog::getSaveFileName(this, tr("Save As"), document_->title(), normFilter());
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".nrm"), Qt::CaseInsensitive)) path += QStringLiteral(".nrm");
    const bool saved = document_->onSaveDocument(path, prompt_, this);
    updateAllViews();
    return saved;
}

void CNormFrame::editProperties() {
    CCommentHistoryDlg dialog(fromCp1252(document_->comment()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    document_->setComment(utf8ToCp1252(toUtf8(dialog.comment())));
    document_->setModified(true);
    updateAllViews();
}

void CNormFrame::print() {
    QPrinter printer;
    TextPages pages = printedPages();
    pages.layout(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setMinMax(1, pages.pageCount());
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printTextPages(printer, pages))
        prompt_.show(toUtf8(appTitle()), toUtf8(tr("The printer could not be started.")), MessageIcon::Exclamation,
                     MessageButtons::Ok);
}

void CNormFrame::printPreview() {
    QPrinter printer;
    TextPages pages = printedPages();
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&pages](QPrinter *target) { printTextPages(*target, pages); });
    preview.exec();
}

void CNormFrame::copyLines() {
    QString text;
    for (const std::string &line : view_->selectedLines()) text += fromCp1252(line) + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

bool CNormFrame::handlesCommand(int id) const {
    switch (id) {
    case cmd::kFileSave:
    case cmd::kFileSaveAs:
    case cmd::kFilePrint:
    case cmd::kFilePrintPreview:
    case cmd::kProperties:
    case cmd::kEditCopy: return true;
    default: return false;
    }
}

bool CNormFrame::isCommandEnabled(int id) const { return handlesCommand(id); }

void CNormFrame::onCommand(int id) {
    switch (id) {
    case cmd::kFileSave: save(); break;
    case cmd::kFileSaveAs: saveAs(); break;
    case cmd::kFilePrint: print(); break;
    case cmd::kFilePrintPreview: printPreview(); break;
    case cmd::kProperties: editProperties(); break;
    case cmd::kEditCopy: copyLines(); break;
    default: break;
    }
}

// A modified document asks before its window goes: Yes saves (and a failed
// or cancelled save keeps the window), No drops the changes.
void CNormFrame::closeEvent(QCloseEvent *event) {
    if (!document_->isModified()) {
        event->accept();
        return;
    }
    const auto answer = QMessageBox::question(this, appTitle(), tr("Save changes to %1?").arg(document_->title()),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save())) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace quillet
