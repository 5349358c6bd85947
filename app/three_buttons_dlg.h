// "3 Buttons Dialog": a question with three answers, each ending the
// dialog with its own id; closing the window is Cancel.
#pragma once

#include <QDialog>
#include <array>

class QPushButton;

namespace quillet {

class C3ButtonsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kButton1 = 1053;
    static constexpr int kButton2 = 1054;
    static constexpr int kButton3 = 1055;
    static constexpr int kCancel = 2;

    C3ButtonsDlg(const QString &caption, const QString &message, const std::array<QString, 3> &buttons,
                 int defaultButton = kButton1, QWidget *parent = nullptr);

    QPushButton *button(int id) const;
    void reject() override { done(kCancel); }

private:
    std::array<QPushButton *, 3> buttons_{};
};

}  // namespace quillet
