// The comment dialogs: one line with the history of the last eight
// comments (a file's properties), several lines (a site's comment), and the
// one-line title of a report.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace quillet {

// Dialog 113: the history comes from "Commentaires"/"Comment1".."Comment8";
// OK puts a non-empty entry first and writes the eight keys back.
class CCommentHistoryDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCommentHistoryDlg(const QString &comment, QWidget *parent = nullptr);
    QString comment() const { return comment_; }
    QComboBox *comboBox() const { return combo_; }
    void accept() override;

private:
    QComboBox *combo_;
    QString comment_;
};

// Dialog 112: a multi-line text, returned on OK.
class CCommentDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCommentDlg(const QString &comment, QWidget *parent = nullptr);
    QString comment() const;
    QPlainTextEdit *editor() const { return edit_; }

private:
    QPlainTextEdit *edit_;
};

// Dialog 103: one line of at most `maxLength` characters under the caller's
// caption.
class CTitleDlg : public QDialog {
    Q_OBJECT
public:
    CTitleDlg(const QString &caption, const QString &title, int maxLength, QWidget *parent = nullptr);
    QString title() const;
    QLineEdit *editor() const { return edit_; }

private:
    QLineEdit *edit_;
};

}  // namespace quillet
