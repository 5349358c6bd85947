#include "doc_type_dlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace quillet {

CDocTypeDlg::CDocTypeDlg(const QStringList &names, QWidget *parent) : QDialog(parent), list_(new QListWidget) {
    setWindowTitle(tr("Open"));
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].isEmpty()) continue;
        list_->addItem(names[i]);
        indexes_.append(i);
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

int CDocTypeDlg::chosenIndex() const {
    const int row = list_->currentRow();
    return row >= 0 && row < indexes_.size() ? indexes_[row] : -1;
}

int CDocTypeDlg::choose(const QStringList &names, QWidget *parent) {
    CDocTypeDlg dialog(names, parent);
    switch (dialog.list()->count()) {
    case 0: return -1;
    case 1: return dialog.chosenIndex();
    default: return dialog.exec() == QDialog::Accepted ? dialog.chosenIndex() : -1;
    }
}

}  // namespace quillet
