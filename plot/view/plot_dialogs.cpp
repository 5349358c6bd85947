#include "plot_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "message_prompt.h"
#include "plot_format.h"
#include "plot_texts.h"
#include "quillet_strings.h"
#include "validating_edit.h"

namespace quillet {
namespace {

QDialogButtonBox *okCancel(QDialog *dialog) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QString commentText(const std::vector<std::string> &lines) {
    QStringList text;
    for (const auto &line : lines) text << QString::fromStdString(line);
    return text.join('\n');
}

QString scaleMark(int scale) { return scale == 2 ? QStringLiteral("\t(2)") : QStringLiteral("\t(1)"); }

}  // namespace

void PlotDialog::warn(const std::string &text) {
    QtUserPrompt screen(this);
    UserPrompt &prompt = prompt_ ? *prompt_ : static_cast<UserPrompt &>(screen);
    prompt.show(appTitle().toStdString(), text, MessageIcon::Exclamation, MessageButtons::Ok);
}

bool readCommentLines(const QPlainTextEdit &edit, std::vector<std::string> &lines) {
    lines.clear();
    QString text = edit.toPlainText();
    while (text.endsWith('\n')) text.chop(1);
    if (text.isEmpty()) return true;
    for (const QString &line : text.split('\n')) lines.push_back(line.toStdString());
    return lines.size() <= static_cast<std::size_t>(plot::kCommentLineCount);
}

CChannelSelectDlg::CChannelSelectDlg(const plot::PlotModel &model, QWidget *parent)
    : PlotDialog(parent), document_(model.document()) {
    setWindowTitle(tr("Select Channels to be Represented"));
    available_ = new QListWidget(this);
    available_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    selected_ = new QListWidget(this);
    selected_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const plot::ChannelChoice &channel : model.availableChannels()) {
        auto *item = new QListWidgetItem(QString::fromStdString(document_.GetDocVoieMnemo(channel.channel)), available_);
        item->setData(Qt::UserRole, channel.channel);
    }
    const plot::PlotState &state = model.state();
    for (int s = 0; s < state.filledCount(); ++s) {
        const plot::CurveSlot &slot = state.curves[static_cast<std::size_t>(s)];
        addChoice({slot.channel, slot.scale}, slot.name);
    }
    auto *scale1 = new QPushButton(tr("Scale &1"), this);
    auto *scale2 = new QPushButton(tr("Scale &2"), this);
    auto *remove = new QPushButton(tr("&Delete"), this);
    connect(scale1, &QPushButton::clicked, this, [this] { addSelected(1); });
    connect(scale2, &QPushButton::clicked, this, [this] { addSelected(2); });
    connect(remove, &QPushButton::clicked, this, &CChannelSelectDlg::removeSelected);
    title_ = new QLineEdit(QString::fromStdString(state.title), this);
    comment_ = new QPlainTextEdit(commentText(state.comments), this);
    comment_->setMaximumHeight(90);

    auto *grid = new QGridLayout(this);
    auto *availableLabel = new QLabel(tr("&Available Channels"), this);
    availableLabel->setBuddy(available_);
    auto *selectedLabel = new QLabel(tr("&Selected Channels"), this);
    selectedLabel->setBuddy(selected_);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(selectedLabel, 0, 2);
    grid->addWidget(available_, 1, 0);
    auto *middle = new QVBoxLayout;
    middle->addWidget(scale1);
    middle->addWidget(scale2);
    middle->addWidget(remove);
    middle->addStretch();
    grid->addLayout(middle, 1, 1);
    grid->addWidget(selected_, 1, 2);
    auto *form = new QFormLayout;
    form->addRow(tr("Representation &Title:"), title_);
    form->addRow(tr("&Comment:"), comment_);
    grid->addLayout(form, 2, 0, 1, 3);
    grid->addWidget(okCancel(this), 3, 0, 1, 3);
}

void CChannelSelectDlg::addChoice(plot::ChannelChoice choice, const std::string &name) {
    chosen_.push_back(choice);
    new QListWidgetItem(QString::fromStdString(name) + scaleMark(choice.scale), selected_);
}

void CChannelSelectDlg::addSelected(int scale) {
    for (int row = 0; row < available_->count(); ++row) {
        QListWidgetItem *item = available_->item(row);
        if (!item->isSelected()) continue;
        if (chosen_.size() >= static_cast<std::size_t>(plot::kSlotCount)) {
            warn(formatResource(plot::texts::kChannelsMax, std::to_string(plot::kSlotCount)));
            return;
        }
        const int channel = item->data(Qt::UserRole).toInt();
        addChoice({channel, scale}, document_.GetDocVoieMnemo(channel));
    }
}

void CChannelSelectDlg::removeSelected() {
    for (int row = selected_->count() - 1; row >= 0; --row) {
        if (!selected_->item(row)->isSelected()) continue;
        delete selected_->takeItem(row);
        chosen_.erase(chosen_.begin() + row);
    }
}

std::string CChannelSelectDlg::title() const { return title_->text().toStdString(); }

void CChannelSelectDlg::accept() {
    if (!readCommentLines(*comment_, comments_)) {
        warn(formatResource(plot::texts::kCommentLinesMax, std::to_string(plot::kCommentLineCount)));
        comment_->setFocus();
        return;
    }
    QDialog::accept();
}

CPlotTitleDlg::CPlotTitleDlg(const plot::PlotState &state, QWidget *parent) : PlotDialog(parent) {
    setWindowTitle(tr("Define Representation Title"));
    title_ = new QLineEdit(QString::fromStdString(state.title), this);
    comment_ = new QPlainTextEdit(commentText(state.comments), this);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Representation &Title:"), title_);
    form->addRow(tr("&Comment:"), comment_);
    form->addRow(okCancel(this));
}

std::string CPlotTitleDlg::title() const { return title_->text().toStdString(); }

void CPlotTitleDlg::accept() {
    if (!readCommentLines(*comment_, comments_)) {
        warn(formatResource(plot::texts::kCommentLinesMax, std::to_string(plot::kCommentLineCount)));
        comment_->setFocus();
        return;
    }
    QDialog::accept();
}

CSetScalesDlg::CSetScalesDlg(const plot::PlotModel &model, QWidget *parent)
    : PlotDialog(parent), format_(model.format()), twoScales_(model.state().twoScales),
      dates_(model.state().dateAbscissa && model.state().abscissaCurve < 0) {
    setWindowTitle(tr("Set Scales"));
    window_ = model.scalesForDialog();
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Min."), this), 0, 1);
    grid->addWidget(new QLabel(tr("Max."), this), 0, 2);
    const QString names[3] = {dates_ ? tr("&Date (JJ/MM/AA HH:MM:SS)") : tr("&X"),
                              tr("Y Scale &1"), tr("Y Scale &2")};
    const plot::Range ranges[3] = {window_.x, window_.y1, window_.y2};
    for (int axis = 0; axis < (twoScales_ ? 3 : 2); ++axis) {
        auto *label = new QLabel(names[axis], this);
        grid->addWidget(label, axis + 1, 0);
        for (int end = 0; end < 2; ++end) {
            const double value = end == 0 ? ranges[axis].minimum : ranges[axis].maximum;
            if (axis == 0 && dates_) {
                auto *edit = new CDateEdit(-2147483647.0, 2147483647.0, this);
                const plot::DateText text = plot::formatDate(value);
                edit->setText(QString::fromStdString(text.date + ' ' + text.time));
                fields_[axis][end] = edit;
            } else {
                auto *edit = new CRealEdit(format_, -1.7976931348623157e308, 1.7976931348623157e308, this);
                edit->setValue(value);
                fields_[axis][end] = edit;
            }
            grid->addWidget(fields_[axis][end], axis + 1, end + 1);
        }
        label->setBuddy(fields_[axis][0]);
    }
    grid->addWidget(okCancel(this), 4, 0, 1, 3);
}

void CSetScalesDlg::setPrompt(UserPrompt *prompt) {
    PlotDialog::setPrompt(prompt);
    for (auto &axis : fields_) {
        for (CValidatingEdit *field : axis) {
            if (field) field->setPrompt(prompt);
        }
    }
}

void CSetScalesDlg::accept() {
    plot::Range *ranges[3] = {&window_.x, &window_.y1, &window_.y2};
    for (int axis = 0; axis < (twoScales_ ? 3 : 2); ++axis) {
        double low = 0, high = 0;
        if (!readField(axis, 0, low) || !readField(axis, 1, high)) return;
        if (!(low < high)) {
            warn(std::string(resourceString(plot::texts::kMinBelowMax)) + " (" + resourceString(plot::texts::kMinField) + ")");
            fields_[axis][0]->setFocus();
            return;
        }
        *ranges[axis] = {low, high};
    }
    QDialog::accept();
}

bool CSetScalesDlg::readField(int axis, int end, double &value) const {
    if (axis == 0 && dates_) return static_cast<CDateEdit *>(fields_[axis][end])->check(value);
    return static_cast<CRealEdit *>(fields_[axis][end])->check(value);
}

CCopyDlg::CCopyDlg(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Copying..."));
    graphicOnly_ = new QRadioButton(tr("&Graphic only"), this);
    legendOnly_ = new QRadioButton(tr("&Legend only"), this);
    both_ = new QRadioButton(tr("&Both"), this);
    both_->setChecked(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(graphicOnly_);
    layout->addWidget(legendOnly_);
    layout->addWidget(both_);
    layout->addWidget(okCancel(this));
}

bool CCopyDlg::graphic() const { return !legendOnly_->isChecked(); }
bool CCopyDlg::legend() const { return !graphicOnly_->isChecked(); }

void CCopyDlg::choose(bool graphic, bool legend) {
    (graphic && legend ? both_ : graphic ? graphicOnly_ : legendOnly_)->setChecked(true);
}

}  // namespace quillet
