#include "open_file_dlg.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "autotest_file.h"
#include "cp1252.h"
#include "quillet_strings.h"

namespace quillet::autotest {
namespace {

// The header, comment and summary lie at the start of the file; a preview
// reads no further than this.
constexpr qint64 kPreviewBytes = 1 << 20;

}  // namespace

QString autotestPreviewText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray start = file.read(kPreviewBytes);
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(start.constData());
    const auto preview = model::readAutotestPreview({bytes, static_cast<std::size_t>(start.size())},
                                                    QFile::encodeName(path).toStdString());
    if (!preview) return {};
    std::string text = preview.value().comment;
    if (!text.empty()) text += ". ";
    text += std::string(resourceString(238)) + ": " + preview.value().summary;
    return fromCp1252(text);
}

COpenTestDlg::COpenTestDlg(const QString &filter, QWidget *parent)
    : QFileDialog(parent, QFileDialog::tr("Open"), QString(), filter), comment_(new QLineEdit) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ReadOnly);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    comment_->setReadOnly(true);
    auto *label = new QLabel(tr("&Comment associated to the file:"));
    label->setBuddy(comment_);
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(comment_, row, 1, 1, grid->columnCount() - 1);
    }
    connect(this, &QFileDialog::currentChanged, this,
            [this](const QString &path) { comment_->setText(autotestPreviewText(path)); });
}

}  // namespace quillet::autotest
