// The dialogs of the plug-list commands: "Sort Plugs..." (108), "Find a
// plug..." (115) and "Name of the Plug..." (241), "Select one or several
// plugs..." (116), and the list formats (104 synthetic, 105 detailed).
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "plug_commands.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quillet::autotest {

struct SortRequest {
    int criterion = 1;  // 1 identifier .. 16 dates
    std::string mask;
    bool ascending = true;
};

class CSortPlugsDlg : public QDialog {
    Q_OBJECT
public:
    CSortPlugsDlg(const std::string &mask, QWidget *parent = nullptr);
    SortRequest request() const;
    QRadioButton *criterionButton(int criterion) const;
    QLineEdit *maskEdit() const { return mask_; }

private:
    QButtonGroup *criteria_;
    QLineEdit *mask_;
    QRadioButton *increasing_;
};

// One plug identifier (at most 14 characters): dialog 115 or 241.
std::optional<std::string> askPlugId(QWidget *parent, const QString &caption, const QString &label,
                                     const std::string &proposed);

class CSelectPlugsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSelectPlugsDlg(const std::string &root, QWidget *parent = nullptr);
    PlugSelection selection() const;
    bool replaceSelection() const { return replace_; }
    QCheckBox *measurementBox(model::Column column) const { return boxes_[static_cast<std::size_t>(column)]; }
    QCheckBox *noFailingBox() const { return noFailing_; }
    QLineEdit *rootEdit() const { return root_; }

private:
    void onNoFailing(bool ticked);

    QLineEdit *root_;
    QCheckBox *noFailing_;
    std::array<QCheckBox *, model::kColumnCount> boxes_{};
    bool replace_ = true;
};

// The check boxes of a list format: the mask chosen, or nothing when
// cancelled. Boxes of measurements the standard does not test are greyed.
class CListFormatDlg : public QDialog {
    Q_OBJECT
public:
    CListFormatDlg(bool detailed, std::uint32_t mask, std::uint32_t enabled, QWidget *parent = nullptr);
    std::uint32_t mask() const;
    QCheckBox *box(int bit) const;

private:
    std::array<QCheckBox *, 21> boxes_{};
};

}  // namespace quillet::autotest
