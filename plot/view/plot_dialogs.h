// The dialogs of a plot window: channel selection (12000), title and
// comment (12010), set scales (12020), curve template (12040) and copy
// (12060).
#pragma once

#include <QDialog>
#include <vector>

#include "plot_model.h"
#include "user_interaction.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace quillet {

class CValidatingEdit;

// The dialogs' messages go to a prompt (message boxes unless a test sets one).
class PlotDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    void setPrompt(UserPrompt *prompt) { prompt_ = prompt; }

protected:
    void warn(const std::string &text);

private:
    UserPrompt *prompt_ = nullptr;
};

// Comment lines of a multi-line field; false (and the message) beyond 20.
bool readCommentLines(const QPlainTextEdit &edit, std::vector<std::string> &lines);

class CChannelSelectDlg : public PlotDialog {
    Q_OBJECT
public:
    CChannelSelectDlg(const plot::PlotModel &model, QWidget *parent = nullptr);
    std::vector<plot::ChannelChoice> choices() const { return chosen_; }
    std::string title() const;
    std::vector<std::string> comments() const { return comments_; }

    QListWidget *available() const { return available_; }
    QListWidget *selected() const { return selected_; }
    // Adds the available channels selected in the list with `scale`.
    void addSelected(int scale);
    void removeSelected();
    void accept() override;

private:
    void addChoice(plot::ChannelChoice choice, const std::string &name);

    const plot::PlotDocument &document_;
    QListWidget *available_, *selected_;
    QLineEdit *title_;
    QPlainTextEdit *comment_;
    std::vector<plot::ChannelChoice> chosen_;
    std::vector<std::string> comments_;
};

class CPlotTitleDlg : public PlotDialog {
    Q_OBJECT
public:
    CPlotTitleDlg(const plot::PlotState &state, QWidget *parent = nullptr);
    std::string title() const;
    std::vector<std::string> comments() const { return comments_; }
    QLineEdit *titleEdit() const { return title_; }
    QPlainTextEdit *commentEdit() const { return comment_; }
    void accept() override;

private:
    QLineEdit *title_;
    QPlainTextEdit *comment_;
    std::vector<std::string> comments_;
};

class CSetScalesDlg : public PlotDialog {
    Q_OBJECT
public:
    CSetScalesDlg(const plot::PlotModel &model, QWidget *parent = nullptr);
    // The dialog's and its fields' messages.
    void setPrompt(UserPrompt *prompt);
    // The windows as entered, abscissa as shown (absolute, display factor).
    plot::PlotWindow window() const { return window_; }
    CValidatingEdit *field(int axis, bool maximum) const { return fields_[axis][maximum ? 1 : 0]; }
    void accept() override;

private:
    // A field's value; the abscissa of a date plot is read as a date.
    bool readField(int axis, int end, double &value) const;

    const NumberFormat &format_;
    bool twoScales_, dates_;
    CValidatingEdit *fields_[3][2] = {};
    plot::PlotWindow window_;
};

class CCopyDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCopyDlg(QWidget *parent = nullptr);
    bool graphic() const;
    bool legend() const;
    void choose(bool graphic, bool legend);

private:
    QRadioButton *graphicOnly_, *legendOnly_, *both_;
};

}  // namespace quillet
