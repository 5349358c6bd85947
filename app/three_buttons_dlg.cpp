#include "three_buttons_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillet {

C3ButtonsDlg::C3ButtonsDlg(const QString &caption, const QString &message, const std::array<QString, 3> &texts,
                           int defaultButton, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto *row = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const int id = kButton1 + i;
        auto *button = new QPushButton(texts[static_cast<std::size_t>(i)]);
        button->setDefault(id == defaultButton);
        button->setAutoDefault(id == defaultButton);
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        row->addWidget(button);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(message);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addLayout(row);
}

QPushButton *C3ButtonsDlg::button(int id) const {
    const int index = id - kButton1;
    return index >= 0 && index < 3 ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

}  // namespace quillet
