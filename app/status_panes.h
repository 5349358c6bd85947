// The main window's status bar: the message pane, the link pane (port and
// rate while the link to the tester is open), CAPS, NUM and the position
// pane a view fills with its current line.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace quillet {

class CStatusPanes : public QObject {
    Q_OBJECT
public:
    explicit CStatusPanes(QStatusBar *bar);

    // Reads the link state; the pane is disabled and empty while closed.
    void refreshLinkPane();
    // Shows a view's text, cut to the pane's ten characters.
    void setPositionText(const QString &text);

    QString linkText() const;
    bool linkPaneEnabled() const;
    QString positionText() const;

private:
    QLabel *addPane(QStatusBar *bar, const QString &widest);

    QLabel *link_;
    QLabel *caps_;
    QLabel *num_;
    QLabel *position_;
};

}  // namespace quillet
