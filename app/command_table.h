// One QAction per command id, with its menu text, status-bar prompt, icon
// and accelerators; menus and toolbars are built from these.
#pragma once

#include <QAction>
#include <QHash>
#include <QObject>

namespace quillet {

class CommandTable : public QObject {
    Q_OBJECT
public:
    explicit CommandTable(QWidget *owner);

    // The action of command `id`, made on first use; a command the program
    // does not know yet is disabled with a generic text.
    QAction *action(int id);
    QList<int> ids() const { return actions_.keys(); }

signals:
    void triggered(int id);

private:
    QAction *make(int id);
    void addAccelerators(int resource);

    QWidget *owner_;
    QHash<int, QAction *> actions_;
};

}  // namespace quillet
