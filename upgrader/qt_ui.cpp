#include "qt_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "link_dlg.h"
#include "window_texts.h"

namespace rivo {

namespace {

QMessageBox::Icon iconOf(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtUpgraderUi::~QtUpgraderUi()
{
    closeProgress();
}

BoxAnswer QtUpgraderUi::ask(const MessageBox &box)
{
    const WindowTexts &texts = windowTexts(language_);
    QWidget *parent = progress_ ? static_cast<QWidget *>(progress_) : parent_;
    QMessageBox message(iconOf(box.icon), QString::fromStdString(box.caption), QString::fromStdString(box.text),
                        QMessageBox::NoButton, parent);
    if (box.icon == BoxIcon::Warning)
        QApplication::beep();
    if (box.buttons == BoxButtons::YesNo) {
        QPushButton *yes = message.addButton(QString::fromUtf8(texts.yes), QMessageBox::YesRole);
        message.setDefaultButton(message.addButton(QString::fromUtf8(texts.no), QMessageBox::NoRole));
        message.exec();
        return message.clickedButton() == yes ? BoxAnswer::Yes : BoxAnswer::No;
    }
    QPushButton *ok = message.addButton(QString::fromUtf8(texts.ok), QMessageBox::AcceptRole);
    if (box.buttons == BoxButtons::OkCancel)
        message.setEscapeButton(message.addButton(QString::fromUtf8(texts.cancel), QMessageBox::RejectRole));
    else
        message.setEscapeButton(ok);
    message.setDefaultButton(ok);
    message.exec();
    return message.clickedButton() == ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

bool QtUpgraderUi::chooseLink(LinkSettings &settings)
{
    LinkDlg dialog(language_, settings, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}

void QtUpgraderUi::openProgress(ProgressWindow window)
{
    closeProgress();
    progress_ = new ProgressWindowDlg(language_, window, parent_);
    progress_->show();
    QCoreApplication::processEvents();
}

void QtUpgraderUi::setProgressTexts(const std::string &upper, const std::string &lower)
{
    if (progress_)
        progress_->setTexts(QString::fromStdString(upper), QString::fromStdString(lower));
}

void QtUpgraderUi::setProgress(int percent)
{
    if (progress_)
        progress_->setPercent(percent);
}

// hide(), not close(): closing a dialog rejects it, which here means Cancel.
void QtUpgraderUi::closeProgress()
{
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    progress_ = nullptr;
}

bool QtUpgraderUi::cancelPressed()
{
    QCoreApplication::processEvents();
    return progress_ && progress_->takeCancel();
}

}  // namespace rivo
