// The open dialog of standards files: the file dialog with a read-only
// field "&Comment associated to the file:" that shows the comment of the
// file the user points at, or why it cannot be opened.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace quillet {

class CNormOpenDlg {
public:
    // The chosen file; nothing when the user cancelled.
    static std::optional<QString> getOpenFileName(QWidget *parent);

    // What the comment field shows for a file: its second string (the
    // comment after the header), or "Unable to open the file" with its name.
    static QString commentPreview(const QString &path);
};

}  // namespace quillet
