#include "plug_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "cp1252.h"
#include "prise.h"

namespace quillet::autotest {
namespace {

constexpr int kPlugIdLength = static_cast<int>(model::CPrise::kPlugIdSize) - 1;

const char *const kCriteria[] = {"Identifier:", "Mapping", "Length", "Prop. Delay", "Skew", "Loop Res.",
                                 "Zc", "NEXT", "PSNEXT", "ELFEXT", "PSELFEXT", "ACR", "PSACR",
                                 "Ret. Loss", "Attenuation", "Dates"};

// The measurement boxes of the selection by failing, in column order.
const char *const kMeasurements[] = {"Mapping", "Length", "Prop. Delay", "Skew", "Loop Res.", "Zc", "NEXT",
                                     "PSNEXT", "ELFEXT", "PSELFEXT", "ACR", "PSACR", "Ret. Loss", "Attenuation"};

bool hasThreeStates(model::Column column) {
    switch (column) {
    case model::Column::Next:
    case model::Column::PsNext:
    case model::Column::Elfext:
    case model::Column::PsElfext:
    case model::Column::PsAcr:
    case model::Column::ReturnLoss: return false;
    default: return true;
    }
}

struct FormatItem {
    int bit;
    const char *text;
};

const std::vector<FormatItem> &formatItems(bool detailed) {
    static const std::vector<FormatItem> synthetic = {
        {0, "Mapping"}, {1, "Length"}, {2, "Prop. Delay"}, {3, "Skew"},   {4, "Loop Res."},
        {5, "Zc"},      {6, "NEXT"},   {8, "PSNEXT"},      {10, "ELFEXT"}, {12, "PSELFEXT"},
        {14, "ACR"},    {16, "PSACR"}, {18, "Ret. Loss"},  {20, "Attenuation"}};
    static const std::vector<FormatItem> detail = {
        {0, "Mapping"},          {1, "Length"},          {2, "Prop. Delay"},      {4, "Loop Res."},
        {6, "NEXT Tst."},        {7, "NEXT Rem."},       {8, "PSNEXT Tst."},      {9, "PSNEXT Rem."},
        {10, "ELFEXT Tst."},     {11, "ELFEXT Rem."},    {12, "PSELFEXT Tst."},   {13, "PSELFEXT Rem."},
        {14, "ACR Tst."},        {15, "ACR Rem."},       {16, "PSACR Tst."},      {17, "PSACR Rem."},
        {18, "Ret. Loss Tst."},  {19, "Ret. Loss Rem."}, {20, "Attenuation"}};
    return detailed ? detail : synthetic;
}

QDialogButtonBox *okCancel(QDialog *dialog) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

CSortPlugsDlg::CSortPlugsDlg(const std::string &mask, QWidget *parent)
    : QDialog(parent), criteria_(new QButtonGroup(this)), mask_(new QLineEdit(fromCp1252(mask))) {
    setWindowTitle(tr("Sort Plugs..."));
    auto *grid = new QGridLayout;
    for (int i = 0; i < 16; ++i) {
        auto *button = new QRadioButton(tr(kCriteria[i]));
        criteria_->addButton(button, i + 1);
        grid->addWidget(button, i % 8, i / 8);
    }
    criteria_->button(1)->setChecked(true);
    auto *maskLabel = new QLabel(tr("&Mask"));
    maskLabel->setBuddy(mask_);
    increasing_ = new QRadioButton(tr("I&ncreasing"));
    auto *decreasing = new QRadioButton(tr("&Decreasing"));
    increasing_->setChecked(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(maskLabel);
    layout->addWidget(mask_);
    layout->addWidget(new QLabel(tr("Fields \"X\" sorted, \"?\" not sorted")));
    layout->addWidget(increasing_);
    layout->addWidget(decreasing);
    layout->addWidget(okCancel(this));
}

QRadioButton *CSortPlugsDlg::criterionButton(int criterion) const {
    return qobject_cast<QRadioButton *>(criteria_->button(criterion));
}

SortRequest CSortPlugsDlg::request() const {
    return {criteria_->checkedId(), toCp1252(mask_->text()), increasing_->isChecked()};
}

std::optional<std::string> askPlugId(QWidget *parent, const QString &caption, const QString &label,
                                     const std::string &proposed) {
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto *edit = new QLineEdit(fromCp1252(proposed));
    edit->setMaxLength(kPlugIdLength);
    auto *text = new QLabel(label);
    text->setBuddy(edit);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(edit);
    layout->addWidget(okCancel(&dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return toCp1252(edit->text());
}

CSelectPlugsDlg::CSelectPlugsDlg(const std::string &root, QWidget *parent)
    : QDialog(parent), root_(new QLineEdit(fromCp1252(root))), noFailing_(new QCheckBox(tr("No failing"))) {
    setWindowTitle(tr("Select one or several plugs..."));
    root_->setMaxLength(kPlugIdLength);
    auto *rootLabel = new QLabel(tr("&Plugs Ids root:"));
    rootLabel->setBuddy(root_);
    auto *failing = new QGroupBox(tr("&Selection according to failing"));
    auto *grid = new QGridLayout(failing);
    grid->addWidget(noFailing_, 0, 0, 1, 2);
    for (int c = 0; c < model::kColumnCount; ++c) {
        auto *box = new QCheckBox(tr(kMeasurements[c]));
        box->setTristate(hasThreeStates(static_cast<model::Column>(c)));
        box->setCheckState(Qt::PartiallyChecked);
        grid->addWidget(box, 1 + c % 7, c / 7);
        boxes_[static_cast<std::size_t>(c)] = box;
    }
    connect(noFailing_, &QCheckBox::toggled, this, &CSelectPlugsDlg::onNoFailing);
    auto *buttons = new QDialogButtonBox;
    QPushButton *replace = buttons->addButton(tr("&Replace selection"), QDialogButtonBox::AcceptRole);
    QPushButton *add = buttons->addButton(tr("&Add to selection"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(replace, &QPushButton::clicked, this, [this] { replace_ = true; });
    connect(add, &QPushButton::clicked, this, [this] { replace_ = false; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rootLabel);
    layout->addWidget(root_);
    layout->addWidget(failing);
    layout->addWidget(buttons);
}

// "No failing" clears every measurement box but Zc's.
void CSelectPlugsDlg::onNoFailing(bool ticked) {
    if (!ticked) return;
    for (int c = 0; c < model::kColumnCount; ++c) {
        if (static_cast<model::Column>(c) != model::Column::Zc)
            boxes_[static_cast<std::size_t>(c)]->setCheckState(Qt::Unchecked);
    }
}

PlugSelection CSelectPlugsDlg::selection() const {
    PlugSelection selection;
    selection.root = toCp1252(root_->text());
    for (std::size_t c = 0; c < boxes_.size(); ++c) {
        switch (boxes_[c]->checkState()) {
        case Qt::Checked: selection.conditions[c] = FailCondition::Fails; break;
        case Qt::Unchecked: selection.conditions[c] = FailCondition::DoesNotFail; break;
        default: selection.conditions[c] = FailCondition::Any; break;
        }
    }
    return selection;
}

CListFormatDlg::CListFormatDlg(bool detailed, std::uint32_t mask, std::uint32_t enabled, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(detailed ? tr("Detailed list format") : tr("Synthetic list format"));
    auto *grid = new QGridLayout;
    const auto &items = formatItems(detailed);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::uint32_t bit = 1u << items[i].bit;
        auto *box = new QCheckBox(tr(items[i].text));
        box->setChecked((mask & bit) != 0);
        box->setEnabled((enabled & bit) != 0);
        grid->addWidget(box, static_cast<int>(i % 10), static_cast<int>(i / 10));
        boxes_[static_cast<std::size_t>(items[i].bit)] = box;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okCancel(this));
}

QCheckBox *CListFormatDlg::box(int bit) const {
    return bit >= 0 && bit < static_cast<int>(boxes_.size()) ? boxes_[static_cast<std::size_t>(bit)] : nullptr;
}

std::uint32_t CListFormatDlg::mask() const {
    std::uint32_t mask = 0;
    for (std::size_t bit = 0; bit < boxes_.size(); ++bit) {
        if (boxes_[bit] && boxes_[bit]->isChecked()) mask |= 1u << bit;
    }
    return mask;
}

}  // namespace quillet::autotest
