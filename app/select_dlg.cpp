#include "select_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "cp1252.h"
#include "profile_settings.h"
#include "quillet_strings.h"
#include "tab_stop_delegate.h"

namespace quillet {
namespace {

const QString kSaveKey = QStringLiteral("Save");

}  // namespace

SelectionLayout selectionLayout(SelectionKind kind) {
    switch (kind) {
    case SelectionKind::Sites:
        return {QObject::tr("Select sites to be transferred"),
                {"Nr", "Site", "Plugs", "Date"}, {15, 95, 140}, "SelectSites"};
    case SelectionKind::Norms:
        return {QObject::tr("Select Standards to be transferred"), {"Nr", "Standard"}, {15}, "SelectNorms"};
    case SelectionKind::Graphs:
        return {QObject::tr("Select Graphs to be transferred"),
                {"Nr", "Site", "Pair", "Name", "Type", "Date"}, {15, 80, 115, 175, 225}, "SelectGrphs"};
    case SelectionKind::Limits:
        return {QObject::tr("Select limits to be transferred"), {"Nr", "Standard", "Type"}, {15, 135}, {}};
    }
    return {};
}

CSelectDlg::CSelectDlg(const SelectionRequest &request, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent),
      layout_(selectionLayout(request.kind)),
      lines_(request.lines),
      prompt_(prompt),
      fileName_(fromUtf8(request.fileName)),
      subtitle_(new QLabel),
      list_(new QListWidget),
      ok_(new QPushButton(tr("Transfer"))),
      transferAll_(new QPushButton(tr("&Transfer All"))),
      delete_(new QPushButton(tr("&Delete"))),
      save_(new QCheckBox(tr("&Save data after transfer"))) {
    setWindowTitle(layout_.title);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setItemDelegate(new TabStopDelegate(tabStopPixels(), list_));
    auto *header = new QHBoxLayout;
    buildHeader(header);
    auto *buttons = new QHBoxLayout;
    for (auto *button : {ok_, transferAll_, delete_}) buttons->addWidget(button);
    auto *cancel = new QPushButton(tr("Cancel"));
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(subtitle_);
    layout->addLayout(header);
    layout->addWidget(list_, 1);
    layout->addWidget(save_);
    layout->addLayout(buttons);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CSelectDlg::accept);
    connect(transferAll_, &QPushButton::clicked, this, &CSelectDlg::transferAll);
    connect(delete_, &QPushButton::clicked, this, &CSelectDlg::deleteSelected);
    connect(cancel, &QPushButton::clicked, this, &CSelectDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CSelectDlg::accept);
    fillList();
    save_->setVisible(!layout_.saveSection.isEmpty());
    save_->setChecked(Profile().readInt(layout_.saveSection, kSaveKey, 1) != 0);
    applyMode(request);
    resize(qMax(sizeHint().width(), tabStopPixels().value(tabStopPixels().size() - 1) + 160), 360);
}

QList<int> CSelectDlg::tabStopPixels() const {
    const int baseUnit = fontMetrics().averageCharWidth();
    QList<int> pixels;
    for (const int stop : layout_.tabStops) pixels.append(stop * baseUnit / 4);
    return pixels;
}

// One button per column, as wide as its column of the list.
void CSelectDlg::buildHeader(QHBoxLayout *header) {
    header->setSpacing(0);
    header->setContentsMargins(list_->frameWidth(), 0, 0, 0);
    const QList<int> stops = tabStopPixels();
    for (int column = 0; column < layout_.columns.size(); ++column) {
        auto *button = new QPushButton(layout_.columns[column]);
        if (column < stops.size()) button->setFixedWidth(stops[column] - (column > 0 ? stops[column - 1] : 0));
        header->addWidget(button, column + 1 == layout_.columns.size() ? 1 : 0);
        connect(button, &QPushButton::clicked, this, [this, column] { sortBy(column); });
        headers_.append(button);
    }
}

QPushButton *CSelectDlg::headerButton(int column) const {
    return headers_.value(column);
}

void CSelectDlg::applyMode(const SelectionRequest &request) {
    const bool display = request.mode == SelectionMode::Display;
    subtitle_->setVisible(display);
    delete_->setVisible(display);
    if (!display) return;
    setWindowTitle(QString::fromUtf8(resourceString(ids::kSelectSitesDisplayed)));
    subtitle_->setText(QString::fromUtf8(resourceString(ids::kDisplayFile)).arg(fileName_));
    ok_->setText(QString::fromUtf8(resourceString(ids::kDisplay)));
    transferAll_->setText(QString::fromUtf8(resourceString(ids::kDisplayAll)));
    save_->setVisible(false);
}

void CSelectDlg::fillList() {
    list_->clear();
    for (const auto &line : lines_.lines()) {
        auto *item = new QListWidgetItem(fromUtf8(line.text), list_);
        item->setSelected(line.selected);
    }
}

void CSelectDlg::readSelection() {
    for (int row = 0; row < list_->count(); ++row)
        lines_.setSelected(static_cast<std::size_t>(row), list_->item(row)->isSelected());
}

void CSelectDlg::sortBy(int column) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    readSelection();
    lines_.clickHeader(column);
    fillList();
    QApplication::restoreOverrideCursor();
}

void CSelectDlg::accept() {
    readSelection();
    result_.chosen = lines_.confirm();
    result_.deleted = lines_.deleted();
    result_.saveAfterTransfer = save_->isChecked();
    if (!layout_.saveSection.isEmpty() && !save_->isHidden())
        Profile().writeInt(layout_.saveSection, kSaveKey, save_->isChecked() ? 1 : 0);
    QDialog::accept();
}

void CSelectDlg::transferAll() {
    list_->selectAll();
    accept();
}

void CSelectDlg::deleteSelected() {
    readSelection();
    const std::string caption = resourceString(ids::kAppTitle);
    switch (lines_.checkDelete()) {
    case DeleteCheck::NoSelection:
        prompt_.show(caption, resourceString(ids::kNoSelection), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    case DeleteCheck::AllSelected:
        prompt_.show(caption, resourceString(ids::kFullDeletingNotAllowed), MessageIcon::Exclamation,
                     MessageButtons::Ok);
        return;
    case DeleteCheck::Allowed: break;
    }
    const QString question = QString::fromUtf8(resourceString(ids::kSitesWillBeDeleted)).arg(fileName_);
    if (prompt_.show(caption, toUtf8(question), MessageIcon::Information, MessageButtons::OkCancel) !=
        MessageResult::Ok)
        return;
    lines_.deleteSelected();
    fillList();
}

std::optional<SelectionResult> QtSelectionChooser::choose(const SelectionRequest &request) {
    CSelectDlg dialog(request, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.result();
}

}  // namespace quillet
