#include "norm_doc.h"

#include <QFileInfo>

#include "comment_dlgs.h"
#include "cp1252.h"
#include "shell_transfer_interaction.h"
#include "message_prompt.h"
#include "norm_transfer.h"
#include "quillet_strings.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet {
namespace {

constexpr int kUnableToReadFile = 274;
constexpr int kCannotReadData = 275;

std::string caption() { return resourceString(ids::kAppTitle); }

}  // namespace

CNormDoc::CNormDoc(QString untitledName) : untitled_(std::move(untitledName)) {}

void CNormDoc::setComment(const std::string &comment) { file_.comment = comment; }

QString CNormDoc::title() const { return path_.isEmpty() ? untitled_ : QFileInfo(path_).fileName(); }

bool CNormDoc::onNewDocument(const TesterLinkContext &link, QWidget *parent, bool &saveAfterTransfer) {
    if (!openTesterLink(link)) return false;
    ShellTransferInteraction ui(link.prompt, nullptr, parent);
    auto download = model::downloadTesterNorms(ui);
    TorvikCommClose();
    if (!download) return false;
    file_.standards = std::move(download->standards);
    saveAfterTransfer = download->saveAfterTransfer;
    modified_ = true;
    return true;
}

bool CNormDoc::onOpenDocument(const QString &path, UserPrompt &prompt) {
    auto read = model::loadNormFile(path.toStdString());
    if (!read) {
        const std::string text = formatResource(kUnableToReadFile, toUtf8(path)) + ".\n" +
                                 resourceString(kCannotReadData) + ".";
        prompt.show(caption(), text, MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    file_ = std::move(read.value());
    path_ = path;
    modified_ = false;
    return true;
}

bool CNormDoc::onSaveDocument(const QString &path, UserPrompt &prompt, QWidget *parent) {
    CCommentHistoryDlg dialog(fromCp1252(file_.comment), parent);
    if (dialog.exec() == QDialog::Accepted) file_.comment = utf8ToCp1252(toUtf8(dialog.comment()));
    const auto saved = model::saveNormFile(path.toStdString(), file_);
    if (!saved) {
        prompt.show(caption(), saved.error().text(), MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    path_ = path;
    modified_ = false;
    return true;
}

}  // namespace quillet
