#include "progress_dlg.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "quillet_strings.h"

namespace quillet {
namespace {

// The owner's top-level window, which the dialog keeps disabled.
QWidget *topLevelOf(QWidget *owner) {
    return owner ? owner->window() : nullptr;
}

}  // namespace

// Parented to nothing: a window disabled by us would disable its child
// windows too, Cancel included. The dialog stays above its owner instead.
CProgressDlg::CProgressDlg(QWidget *owner, int messageId)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      owner_(topLevelOf(owner)),
      message_(new QLabel(QString::fromUtf8(resourceString(messageId)))),
      bar_(new QProgressBar),
      percent_(new QLabel(QStringLiteral(" 0 %"))) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    bar_->setTextVisible(false);
    bar_->setRange(range_.lower, range_.upper);
    bar_->setValue(range_.lower);
    auto *cancel = new QPushButton(tr("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &CProgressDlg::onCancel);
    auto *barLine = new QHBoxLayout;
    barLine->addWidget(bar_, 1);
    barLine->addWidget(percent_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(barLine);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
    if (owner_ && owner_->isEnabled()) {
        owner_->setEnabled(false);
        disabledOwner_ = true;
    }
    if (owner_) move(owner_->geometry().center() - rect().center());
    show();
}

CProgressDlg::~CProgressDlg() {
    if (disabledOwner_ && owner_) owner_->setEnabled(true);
}

void CProgressDlg::setMessage(const QString &text) {
    message_->setText(text);
}

void CProgressDlg::setRange(int lower, int upper) {
    range_.lower = lower;
    range_.upper = upper;
    position_ = lower;
    bar_->setRange(lower, upper);
    bar_->setValue(lower);
}

void CProgressDlg::setStep(int step) {
    range_.step = step;
}

void CProgressDlg::step() {
    QCoreApplication::processEvents();
    position_ += range_.step;
    if (position_ > range_.upper) position_ = range_.lower + (position_ - range_.upper);  // the bar wraps
    bar_->setValue(position_);
    const QString text = percentText();
    if (percent_->text() != text) percent_->setText(text);
}

bool CProgressDlg::cancelled() {
    QCoreApplication::processEvents();
    const bool wasCancelled = cancelled_;
    cancelled_ = false;
    return wasCancelled;
}

QString CProgressDlg::message() const {
    return message_->text();
}

QString CProgressDlg::percentText() const {
    return QString::fromStdString(progressPercentText(range_, position_));
}

}  // namespace quillet
