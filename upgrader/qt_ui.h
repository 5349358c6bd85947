// The procedure's user interface in windows: message boxes, the link
// dialog and the progress windows, all in the run's language.
#pragma once

#include <QPointer>

#include "progress_window.h"
#include "upgrader_ui.h"

class QWidget;

namespace rivo {

class QtUpgraderUi final : public UpgraderUi {
public:
    QtUpgraderUi(Language language, QWidget *parent) : language_(language), parent_(parent) {}
    ~QtUpgraderUi() override;

    BoxAnswer ask(const MessageBox &box) override;
    bool chooseLink(LinkSettings &settings) override;
    void openProgress(ProgressWindow window) override;
    void setProgressTexts(const std::string &upper, const std::string &lower) override;
    void setProgress(int percent) override;
    void closeProgress() override;
    bool cancelPressed() override;

private:
    Language language_;
    QWidget *parent_;
    QPointer<ProgressWindowDlg> progress_;
};

}  // namespace rivo
