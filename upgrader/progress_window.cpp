#include "progress_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "window_texts.h"

namespace rivo {

ProgressWindowDlg::ProgressWindowDlg(Language language, ProgressWindow kind, QWidget *parent)
    : QDialog(parent), upper_(new QLabel), lower_(new QLabel), percent_(new QLabel), bar_(new QProgressBar)
{
    const WindowTexts &texts = windowTexts(language);
    setWindowTitle(QString::fromUtf8(kind == ProgressWindow::Analysis ? texts.analysisTitle : texts.transmissionTitle));
    setMinimumWidth(420);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(upper_);
    layout->addWidget(lower_);
    auto *progress = new QHBoxLayout;
    progress->addWidget(bar_, 1);
    progress->addWidget(percent_);
    layout->addLayout(progress);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(texts.cancel));
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { cancelled_ = true; });
    layout->addWidget(buttons);
    setPercent(0);
}

void ProgressWindowDlg::setTexts(const QString &upper, const QString &lower)
{
    upper_->setText(upper);
    lower_->setText(lower);
}

void ProgressWindowDlg::setPercent(int percent)
{
    bar_->setValue(percent);
    percent_->setText(QString::asprintf("%3d%%", percent));
}

bool ProgressWindowDlg::takeCancel()
{
    return std::exchange(cancelled_, false);
}

void ProgressWindowDlg::reject()
{
    cancelled_ = true;
}

}  // namespace rivo
