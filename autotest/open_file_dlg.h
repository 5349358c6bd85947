// The Open dialog of autotest files (dialog 121): the file dialog with a
// read-only field "&Comment associated to the file:" that shows, for the
// selected file, its comment and the sites it holds, read without loading
// the sites.
#pragma once

#include <QFileDialog>
#include <QString>

class QLineEdit;

namespace quillet::autotest {

// "Building 4. Sites: ROOM1(12/03/01), ROOM2(14/03/01)"; empty for a file
// that is not an autotest file.
QString autotestPreviewText(const QString &path);

class COpenTestDlg : public QFileDialog {
    Q_OBJECT
public:
    COpenTestDlg(const QString &filter, QWidget *parent = nullptr);
    QLineEdit *commentField() const { return comment_; }

private:
    QLineEdit *comment_;
};

}  // namespace quillet::autotest
