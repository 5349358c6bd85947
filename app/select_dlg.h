// The transfer selection dialogs: sites (109), standards (106), graphs
// (114) and limits (107). One class, configured by the kind of list: the
// lines are tab-separated texts under header buttons that sort them; the
// site list also serves to choose the sites of a file to display or delete.
#pragma once

#include <QDialog>
#include <optional>

#include "selection_list.h"
#include "user_interaction.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QHBoxLayout;

namespace quillet {

struct SelectionLayout {
    QString title;
    QStringList columns;
    QList<int> tabStops;  // dialog base units, one per column after the first
    QString saveSection;  // empty: no "&Save data after transfer" box
};

SelectionLayout selectionLayout(SelectionKind kind);

class CSelectDlg : public QDialog {
    Q_OBJECT
public:
    CSelectDlg(const SelectionRequest &request, UserPrompt &prompt, QWidget *parent = nullptr);

    // Valid once the dialog ended with OK.
    const SelectionResult &result() const { return result_; }

    // The widgets a user works with, for the tests.
    QListWidget *list() const { return list_; }
    QPushButton *headerButton(int column) const;
    QPushButton *transferAllButton() const { return transferAll_; }
    QPushButton *deleteButton() const { return delete_; }
    QCheckBox *saveBox() const { return save_; }

    void accept() override;

private:
    void buildHeader(QHBoxLayout *header);
    void fillList();
    void readSelection();
    void sortBy(int column);
    void transferAll();
    void deleteSelected();
    void applyMode(const SelectionRequest &request);
    QList<int> tabStopPixels() const;

    SelectionLayout layout_;
    SelectionList lines_;
    SelectionResult result_;
    UserPrompt &prompt_;
    QString fileName_;
    QLabel *subtitle_;
    QListWidget *list_;
    QList<QPushButton *> headers_;
    QPushButton *ok_;
    QPushButton *transferAll_;
    QPushButton *delete_;
    QCheckBox *save_;
};

// The dialogs behind the program's selection interface.
class QtSelectionChooser : public SelectionChooser {
public:
    QtSelectionChooser(UserPrompt &prompt, QWidget *parent) : prompt_(prompt), parent_(parent) {}
    std::optional<SelectionResult> choose(const SelectionRequest &request) override;

private:
    UserPrompt &prompt_;
    QWidget *parent_;
};

}  // namespace quillet
