// "What do you want to do?": the starting helper offered at start-up until
// its check box asks not to show it again ("Start"/"Assist").
#pragma once

#include <QDialog>
#include <optional>

class QButtonGroup;
class QCheckBox;

namespace quillet {

// Whether the helper opens at start-up (default: yes).
bool startingHelperWanted();

class CStartHelperDlg : public QDialog {
    Q_OBJECT
public:
    explicit CStartHelperDlg(QWidget *parent = nullptr);

    // After OK: the command to post to the main window (download or open
    // autotests or graphs).
    std::optional<int> chosenCommand() const { return chosen_; }

    QButtonGroup *choices() const { return choices_; }
    QCheckBox *dontShowBox() const { return dontShow_; }

    // However the dialog ends, "Start"/"Assist" records whether to show it.
    void done(int result) override;
    void accept() override;

private:
    void onDontShow();

    QButtonGroup *choices_;
    QCheckBox *dontShow_;
    bool dontShowWish_ = false;
    std::optional<int> chosen_;
};

}  // namespace quillet
