#include "comment_dlgs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "comment_history.h"
#include "cp1252.h"
#include "profile_settings.h"

namespace quillet {
namespace {

const QString kSection = QString::fromUtf8(kCommentSection);

QDialogButtonBox *okCancel(QDialog *dialog) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

std::vector<std::string> readHistory() {
    Profile profile;
    std::vector<std::string> history;
    for (int n = 1; n <= static_cast<int>(kCommentHistorySize); ++n) {
        const QString entry = profile.readString(kSection, QString::fromStdString(commentKey(n)));
        if (!entry.isEmpty()) history.push_back(toUtf8(entry));
    }
    return history;
}

void writeHistory(const std::vector<std::string> &history) {
    Profile profile;
    for (std::size_t i = 0; i < kCommentHistorySize; ++i) {
        const QString entry = i < history.size() ? fromUtf8(history[i]) : QString();
        profile.writeString(kSection, QString::fromStdString(commentKey(static_cast<int>(i) + 1)), entry);
    }
}

}  // namespace

CCommentHistoryDlg::CCommentHistoryDlg(const QString &comment, QWidget *parent)
    : QDialog(parent), combo_(new QComboBox), comment_(comment) {
    setWindowTitle(tr("Comment"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setMinimumContentsLength(40);
    for (const auto &entry : readHistory()) combo_->addItem(fromUtf8(entry));
    combo_->setCurrentText(comment);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(combo_);
    layout->addWidget(okCancel(this));
}

void CCommentHistoryDlg::accept() {
    comment_ = combo_->currentText();
    std::vector<std::string> history;
    for (int i = 0; i < combo_->count(); ++i) history.push_back(toUtf8(combo_->itemText(i)));
    writeHistory(pushComment(std::move(history), toUtf8(comment_)));
    QDialog::accept();
}

CCommentDlg::CCommentDlg(const QString &comment, QWidget *parent) : QDialog(parent), edit_(new QPlainTextEdit) {
    setWindowTitle(tr("Comment"));
    edit_->setPlainText(comment);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(okCancel(this));
}

QString CCommentDlg::comment() const {
    return edit_->toPlainText();
}

CTitleDlg::CTitleDlg(const QString &caption, const QString &title, int maxLength, QWidget *parent)
    : QDialog(parent), edit_(new QLineEdit) {
    setWindowTitle(caption.isEmpty() ? tr("Title") : caption);
    edit_->setMaxLength(maxLength);
    edit_->setText(title);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * qMin(maxLength, 60));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(okCancel(this));
}

QString CTitleDlg::title() const {
    return edit_->text();
}

}  // namespace quillet
