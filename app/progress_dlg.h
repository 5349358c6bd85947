// The modeless progress dialog of a transfer: a message, a bar, its
// percentage and a Cancel the transfer polls between two tester queries.
// While it is up the owner's window is disabled; pending events are handled
// at each step so the windows repaint and Cancel can be pressed.
#pragma once

#include <QDialog>
#include <QPointer>

#include "progress_steps.h"
#include "quillet_strings.h"
#include "user_interaction.h"

class QLabel;
class QProgressBar;

namespace quillet {

class CProgressDlg : public QDialog, public ProgressMonitor {
    Q_OBJECT
public:
    // Shows the dialog with resource string `messageId` (103 "Please
    // wait..." unless the caller has its own) and disables the owner's
    // window when it was enabled.
    explicit CProgressDlg(QWidget *owner, int messageId = ids::kPleaseWait);
    // Re-enables the owner if this dialog disabled it.
    ~CProgressDlg() override;

    // A message of the caller's own in place of the numbered one.
    void setMessage(const QString &text);
    void setRange(int lower, int upper) override;
    void setStep(int step) override;
    void step() override;
    bool cancelled() override;

    QString message() const;

    int position() const { return position_; }
    QString percentText() const;

private:
    void onCancel() { cancelled_ = true; }
    void reject() override { onCancel(); }  // Escape and the close box cancel too

    QPointer<QWidget> owner_;
    bool disabledOwner_ = false;
    bool cancelled_ = false;
    ProgressRange range_;
    int position_ = 0;
    QLabel *message_;
    QProgressBar *bar_;
    QLabel *percent_;
};

}  // namespace quillet
