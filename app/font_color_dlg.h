// The font dialog of the print header: face, weight, italic, underline and
// strike-out from the toolkit's font chooser, plus the text colour the
// header keeps with them (0x00BBGGRR).
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace quillet {

struct HeaderFont {
    QString face;
    int weight = 400;
    int color = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

QColor colorFromColorRef(int colorRef);
int colorRefFromColor(const QColor &color);

class CFontColorDlg : public QDialog {
    Q_OBJECT
public:
    // Starts from `font` at a fixed 18 points; the size chosen is not kept.
    explicit CFontColorDlg(const HeaderFont &font, QWidget *parent = nullptr);
    HeaderFont chosen() const;
    QFontDialog *fontChooser() const { return fonts_; }

private:
    QFontDialog *fonts_;
    QComboBox *colors_;
};

}  // namespace quillet
