// The analysis and transmission windows: two lines of text, a progress bar
// with its percentage, and Cancel.
#pragma once

#include <QDialog>

#include "texts.h"
#include "upgrader_ui.h"

class QLabel;
class QProgressBar;

namespace rivo {

class ProgressWindowDlg : public QDialog {
    Q_OBJECT
public:
    ProgressWindowDlg(Language language, ProgressWindow kind, QWidget *parent = nullptr);

    void setTexts(const QString &upper, const QString &lower);
    void setPercent(int percent);
    // True once after each press of Cancel.
    bool takeCancel();

protected:
    void reject() override;  // Escape and the close button count as Cancel

private:
    QLabel *upper_, *lower_, *percent_;
    QProgressBar *bar_;
    bool cancelled_ = false;
};

}  // namespace rivo
