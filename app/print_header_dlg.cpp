#include "print_header_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cp1252.h"
#include "font_color_dlg.h"
#include "print_header_profile.h"

namespace quillet {

CPrintHeaderDlg::CPrintHeaderDlg(QWidget *parent)
    : QDialog(parent),
      header_(loadPrintHeader(printHeaderDialogDefaults())),
      company_(new QLineEdit(fromUtf8(header_.society))),
      font_(new QPushButton(tr("&Font..."))) {
    setWindowTitle(tr("Defining Print Header"));
    company_->setMaxLength(kCompanyMaxLength);
    auto *form = new QFormLayout;
    form->addRow(tr("&Company:"), company_);
    const QString labels[] = {tr("2nd line:"), tr("3rd line:"), tr("4th line:"), tr("5th line:")};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new QLineEdit(fromUtf8(header_.lines[i]));
        lines_[i]->setMaxLength(kLineMaxLength);
        lines_[i]->setMinimumWidth(lines_[i]->fontMetrics().averageCharWidth() * 60);
        form->addRow(labels[i], lines_[i]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    buttons->addButton(font_, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Help)->setEnabled(false);  // no help file is installed
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(font_, &QPushButton::clicked, this, &CPrintHeaderDlg::chooseFont);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showFont();
}

QLineEdit *CPrintHeaderDlg::lineEdit(int line) const {
    const int index = line - 2;
    return index >= 0 && index < 4 ? lines_[static_cast<std::size_t>(index)] : nullptr;
}

// The company line shows in its font and colour, at the dialog's size.
void CPrintHeaderDlg::showFont() {
    QFont font = company_->font();
    font.setFamily(fromUtf8(header_.faceName));
    font.setWeight(static_cast<QFont::Weight>(qBound(1, header_.weight, 1000)));
    font.setItalic(header_.italic != 0);
    font.setUnderline(header_.underline != 0);
    font.setStrikeOut(header_.strikeOut != 0);
    company_->setFont(font);
    QPalette palette = company_->palette();
    palette.setColor(QPalette::Text, colorFromColorRef(header_.color));
    company_->setPalette(palette);
}

void CPrintHeaderDlg::chooseFont() {
    // Face, weight, colour and slant carry over; the effects start cleared.
    const HeaderFont current{fromUtf8(header_.faceName), header_.weight, header_.color, header_.italic != 0,
                             false, false};
    CFontColorDlg dialog(current, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const HeaderFont chosen = dialog.chosen();
    header_.faceName = toUtf8(chosen.face);
    header_.weight = chosen.weight;
    header_.color = chosen.color;
    header_.italic = chosen.italic;
    header_.underline = chosen.underline;
    header_.strikeOut = chosen.strikeOut;
    showFont();
}

void CPrintHeaderDlg::accept() {
    header_.society = toUtf8(company_->text());
    for (std::size_t i = 0; i < lines_.size(); ++i) header_.lines[i] = toUtf8(lines_[i]->text());
    savePrintHeader(header_);
    QDialog::accept();
}

}  // namespace quillet
