// "Open": the choice of a document type for the generic File Open, listing
// each type's name in the New list.
#pragma once

#include <QDialog>

class QListWidget;

namespace quillet {

class CDocTypeDlg : public QDialog {
    Q_OBJECT
public:
    // `names` in template order; an empty name is a type not offered.
    explicit CDocTypeDlg(const QStringList &names, QWidget *parent = nullptr);

    // The chosen type's index in `names`, or -1 when there is none to offer
    // or the user cancelled. One type is chosen without showing anything.
    static int choose(const QStringList &names, QWidget *parent = nullptr);

    int chosenIndex() const;
    QListWidget *list() const { return list_; }

private:
    QListWidget *list_;
    QList<int> indexes_;  // template index of each line
};

}  // namespace quillet
