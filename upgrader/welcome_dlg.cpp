#include "welcome_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "about_dlg.h"
#include "window_texts.h"

namespace rivo {

WelcomeDlg::WelcomeDlg(Language language, const QDir &folder, const QStringList &files, bool singleFile,
                       QWidget *parent)
    : QDialog(parent), list_(new QListWidget), files_(files), singleFile_(singleFile)
{
    const WindowTexts &texts = windowTexts(language);
    setWindowTitle(QString::fromUtf8(texts.welcomeTitle));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(texts.welcome)));
    layout->addWidget(new QLabel(QString::fromUtf8(texts.fileListLabel)));
    list_->addItems(files);
    list_->setEnabled(singleFile);
    if (singleFile && !files.isEmpty())
        list_->setCurrentRow(0);
    layout->addWidget(list_);

    auto *buttons = new QDialogButtonBox;
    auto *continueButton = buttons->addButton(QString::fromUtf8(texts.continueButton), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8(texts.exitButton), QDialogButtonBox::RejectRole);
    auto *about = buttons->addButton(QString::fromUtf8(texts.aboutButton), QDialogButtonBox::ActionRole);
    continueButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(about, &QPushButton::clicked, this, [this, language, folder] { AboutDlg(language, folder, this).exec(); });
    layout->addWidget(buttons);
}

QStringList WelcomeDlg::chosenFiles() const
{
    if (!singleFile_)
        return files_;
    const QListWidgetItem *item = list_->currentItem();
    return item ? QStringList{item->text()} : QStringList{};
}

}  // namespace rivo
