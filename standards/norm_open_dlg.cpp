#include "norm_open_dlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "archive_reader.h"
#include "cp1252.h"
#include "doc_template_strings.h"
#include "file_io.h"
#include "quillet_strings.h"

namespace quillet {
namespace {

constexpr int kUnableToOpenFile = 104;
constexpr int kCommentOfFile = 105;

}  // namespace

QString CNormOpenDlg::commentPreview(const QString &path) {
    const QString unable = fromCp1252(formatResource(kUnableToOpenFile, toUtf8(QFileInfo(path).fileName())));
    const auto bytes = model::readWholeFile(path.toStdString());
    if (!bytes) return unable;
    model::ArchiveReader ar(bytes.value());
    ar.readString();
    const std::string comment = ar.readString();
    return ar.ok() ? fromCp1252(comment) : unable;
}

std::optional<QString> CNormOpenDlg::getOpenFileName(QWidget *parent) {
    QFileDialog dialog(parent, QFileDialog::tr("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(
        QString::fromStdString(parseDocTemplateStrings(resourceString(ids::kNormDocStrings)).filterName));
    auto *comment = new QLineEdit(&dialog);
    comment->setReadOnly(true);
    comment->setObjectName(QStringLiteral("comment"));
    auto *label = new QLabel(QString::fromUtf8(resourceString(kCommentOfFile)), &dialog);
    label->setBuddy(comment);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(comment, row, 1, 1, grid->columnCount() - 1);
    }
    QObject::connect(&dialog, &QFileDialog::currentChanged, comment, [comment](const QString &path) {
        comment->setText(QFileInfo(path).isFile() ? commentPreview(path) : QString());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace quillet
