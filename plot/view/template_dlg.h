// Dialog 12040 "Set Curve Template": the points of a curve template, edited
// in a working copy that OK gives back; load and save as ".gab" files,
// copy and paste as text.
#pragma once

#include <QDialog>

#include "gabarit_array.h"
#include "plot_dialogs.h"

class QTreeWidget;

namespace quillet {
class CRealEdit;
}

namespace quillet {

class CTemplateDlg : public PlotDialog {
    Q_OBJECT
public:
    CTemplateDlg(const plot::CGabaritArray &gabarit, const NumberFormat &format, QWidget *parent = nullptr);
    const plot::CGabaritArray &gabarit() const { return working_; }
    QTreeWidget *list() const { return list_; }
    CRealEdit *field(int i) const { return fields_[i]; }

    void add();
    void insert();
    void modify();
    void remove();
    void move(int direction);
    void copyAll();
    void pasteAll();
    bool load(const QString &path);
    bool save(const QString &path);

private:
    bool readFields(plot::GabaritPoint &point);
    bool roomForOneMore();
    void refill(int selected);
    int current() const;
    QString limitText(double value) const;

    const NumberFormat &format_;
    plot::CGabaritArray working_;
    QTreeWidget *list_;
    CRealEdit *fields_[3];
};

}  // namespace quillet
