#include "about_dlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "window_texts.h"

namespace rivo {

namespace {

// A read-only text in a window of its own with an OK button.
void showText(QWidget *parent, const QString &title, const QString &text, bool fixedPitch)
{
    QDialog window(parent);
    window.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&window);
    auto *view = new QPlainTextEdit(text);
    view->setReadOnly(true);
    if (fixedPitch)
        view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setMinimumSize(560, 260);
    layout->addWidget(view);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    layout->addWidget(buttons);
    window.exec();
}

}  // namespace

AboutDlg::AboutDlg(Language language, const QDir &folder, QWidget *parent) : QDialog(parent), language_(language)
{
    const WindowTexts &texts = windowTexts(language);
    setWindowTitle(QString::fromUtf8(texts.aboutTitle));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(texts.aboutLine)));
    layout->addWidget(new QLabel(QString::fromUtf8(texts.versionLine)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(texts.ok));
    const QString readMe = folder.filePath(QString::fromUtf8(texts.readMeFile));
    if (QFile::exists(readMe)) {
        auto *readMeButton = buttons->addButton(QString::fromUtf8(texts.readMeButton), QDialogButtonBox::ActionRole);
        connect(readMeButton, &QPushButton::clicked, this, [this, readMe] { showReadMe(readMe); });
    }
    auto *options = buttons->addButton(QString::fromUtf8(texts.optionsButton), QDialogButtonBox::ActionRole);
    connect(options, &QPushButton::clicked, this, &AboutDlg::showOptions);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void AboutDlg::showReadMe(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    showText(this, QString::fromUtf8(windowTexts(language_).readMeTitle), QString::fromUtf8(file.readAll()), false);
}

void AboutDlg::showOptions()
{
    const WindowTexts &texts = windowTexts(language_);
    showText(this, QString::fromUtf8(texts.optionsTitle), QString::fromUtf8(texts.optionsHelp), true);
}

}  // namespace rivo
