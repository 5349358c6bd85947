// "Defining Print Header": the company line with its font and four more
// lines of the header every report prints.
#pragma once

#include <QDialog>
#include <array>

#include "print_header.h"

class QLineEdit;
class QPushButton;

namespace quillet {

class CPrintHeaderDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on the stored header, missing keys taking the dialog defaults.
    explicit CPrintHeaderDlg(QWidget *parent = nullptr);

    const PrintHeader &header() const { return header_; }
    QLineEdit *companyEdit() const { return company_; }
    QLineEdit *lineEdit(int line) const;  // 2..5
    QPushButton *fontButton() const { return font_; }

    // OK writes all twelve keys; Cancel writes nothing.
    void accept() override;

private:
    void chooseFont();
    void showFont();

    PrintHeader header_;
    QLineEdit *company_;
    std::array<QLineEdit *, 4> lines_{};
    QPushButton *font_;
};

}  // namespace quillet
