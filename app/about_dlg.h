// "About Quillet": the program's and the link library's version lines, and
// the start of the firmware upgrader.
#pragma once

#include <QDialog>
#include <functional>

#include "module_version.h"

class QLabel;
class QPushButton;

namespace quillet {

// The link library's record, read from its own exports.
ModuleVersion loadedLinkLibraryVersion();

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `updateTester` runs on "&Update Tester..." before the box closes.
    CAboutDlg(const ModuleVersion &program, const ModuleVersion &library, std::function<void()> updateTester,
              QWidget *parent = nullptr);

    QString versionLine() const;         // control 1015
    QString copyrightLine() const;       // control 1008
    QString specialBuildLine() const;    // control 1010
    QString libraryVersionLine() const;  // control 1017
    QPushButton *updateButton() const { return update_; }

private:
    void onUpdateTester();

    QLabel *version_;
    QLabel *copyright_;
    QLabel *specialBuild_;
    QLabel *library_;
    QPushButton *update_;
    std::function<void()> updateTester_;
};

}  // namespace quillet
