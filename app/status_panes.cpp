#include "status_panes.h"

#include <QLabel>
#include <QStatusBar>

#include "status_texts.h"
#include "torvlink.h"

namespace quillet {

CStatusPanes::CStatusPanes(QStatusBar *bar) : QObject(bar) {
    link_ = addPane(bar, QStringLiteral("COM4:115200"));
    // The lock-key panes stay empty: the toolkit cannot read the lock
    // state of every platform's keyboard.
    caps_ = addPane(bar, QStringLiteral("CAP"));
    num_ = addPane(bar, QStringLiteral("NUM"));
    position_ = addPane(bar, QStringLiteral("0000000000"));
    caps_->setEnabled(false);
    num_->setEnabled(false);
    refreshLinkPane();
}

QLabel *CStatusPanes::addPane(QStatusBar *bar, const QString &widest) {
    auto *pane = new QLabel;
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 8);
    bar->addPermanentWidget(pane);
    return pane;
}

void CStatusPanes::refreshLinkPane() {
    const bool open = TorvikCommIsOpen() != 0;
    const QString text = open ? QString::fromStdString(linkPaneText(TorvikCommGetPort(), TorvikCommGetRate()))
                              : QString();
    link_->setEnabled(open);
    if (link_->text() != text) link_->setText(text);
}

void CStatusPanes::setPositionText(const QString &text) {
    position_->setText(QString::fromStdString(cutToPositionPane(text.toStdString())));
}

QString CStatusPanes::linkText() const {
    return link_->text();
}

bool CStatusPanes::linkPaneEnabled() const {
    return link_->isEnabled();
}

QString CStatusPanes::positionText() const {
    return position_->text();
}

}  // namespace quillet
