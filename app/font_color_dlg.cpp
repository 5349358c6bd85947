#include "font_color_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace quillet {
namespace {

constexpr int kHeaderPointSize = 18;

// The sixteen colours a font dialog traditionally offers.
constexpr QRgb kBasicColors[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

QIcon swatch(const QColor &color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    return QIcon(pixmap);
}

}  // namespace

QColor colorFromColorRef(int colorRef) {
    const auto ref = static_cast<unsigned>(colorRef);
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

int colorRefFromColor(const QColor &color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

CFontColorDlg::CFontColorDlg(const HeaderFont &font, QWidget *parent)
    : QDialog(parent), fonts_(new QFontDialog), colors_(new QComboBox) {
    setWindowTitle(tr("Font"));
    QFont initial(font.face, kHeaderPointSize, font.weight, font.italic);
    initial.setUnderline(font.underline);
    initial.setStrikeOut(font.strikeOut);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts |
                       QFontDialog::NonScalableFonts);
    fonts_->setCurrentFont(initial);
    // The chooser is a dialog of its own: Escape or Enter in it would close
    // it alone and leave this window empty. They close this dialog instead.
    fonts_->setWindowFlags(Qt::Widget);
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
    connect(fonts_, &QDialog::accepted, this, &QDialog::accept);
    const QColor current = colorFromColorRef(font.color);
    for (const QRgb rgb : kBasicColors) colors_->addItem(swatch(QColor(rgb)), QColor(rgb).name(), QColor(rgb));
    if (colors_->findData(current) < 0) colors_->addItem(swatch(current), current.name(), current);
    colors_->setCurrentIndex(colors_->findData(current));
    auto *colorRow = new QFormLayout;
    colorRow->addRow(tr("&Color:"), colors_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

HeaderFont CFontColorDlg::chosen() const {
    const QFont font = fonts_->currentFont();
    HeaderFont result;
    result.face = font.family();
    result.weight = font.weight();
    result.italic = font.italic();
    result.underline = font.underline();
    result.strikeOut = font.strikeOut();
    result.color = colorRefFromColor(colors_->currentData().value<QColor>());
    return result;
}

}  // namespace quillet
