#include "template_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "file_io.h"
#include "graph_view.h"
#include "plot_texts.h"
#include "quillet_strings.h"
#include "validating_edit.h"

namespace quillet {

CTemplateDlg::CTemplateDlg(const plot::CGabaritArray &gabarit, const NumberFormat &format, QWidget *parent)
    : PlotDialog(parent), format_(format), working_(gabarit) {
    setWindowTitle(tr("Set Curve Template"));
    working_.SortByX();
    auto *grid = new QGridLayout(this);
    const QString names[3] = {tr("&X"), tr("Lower &Y"), tr("&Upper Y")};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(names[i], this);
        fields_[i] = new CRealEdit(format_, -1.7e308, 1.7e308, this);
        label->setBuddy(fields_[i]);
        grid->addWidget(label, 0, i);
        grid->addWidget(fields_[i], 1, i);
    }
    list_ = new QTreeWidget(this);
    list_->setHeaderLabels({tr("Nr"), tr("X"), tr("Lower Y"), tr("Upper Y")});
    list_->setRootIsDecorated(false);
    grid->addWidget(list_, 2, 0, 1, 3);
    auto *buttons = new QGridLayout;
    const std::pair<QString, std::function<void()>> actions[] = {
        {tr("&Add"), [this] { add(); }},
        {tr("&Modify"), [this] { modify(); }},
        {tr("&Insert"), [this] { insert(); }},
        {tr("&Delete"), [this] { remove(); }},
        {tr("Cl&ear All"), [this] { working_.RemoveAll(); refill(-1); }},
        {tr("So&rt by X"), [this] { working_.SortByX(); refill(current()); }},
        {tr("&<<"), [this] { move(-1); }},
        {tr("&>>"), [this] { move(1); }},
        {tr("&Copy All"), [this] { copyAll(); }},
        {tr("&Paste All"), [this] { pasteAll(); }},
        {tr("&Load"), [this] {
             const QString path = QFileDialog::getOpenFileName(this, resourceString(plot::texts::kTemplateLoadTitle), {},
                                                               resourceString(plot::texts::kTemplateFilter));
             if (!path.isEmpty()) load(path);
         }},
        {tr("&Save"), [this] {
             QString path = QFileDialog::getSaveFileName(this, resourceString(plot::texts::kTemplateSaveTitle), {},
                                                         resourceString(plot::texts::kTemplateFilter));
             if (path.isEmpty()) return;
             if (!path.endsWith(QLatin1String(resourceString(plot::texts::kTemplateExtension)))) {
                 path += QLatin1String(resourceString(plot::texts::kTemplateExtension));
             }
             save(path);
         }},
        {tr("&OK"), [this] { accept(); }},
        {tr("Cancel"), [this] { reject(); }},
    };
    int n = 0;
    for (const auto &[text, act] : actions) {
        auto *button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, act);
        buttons->addWidget(button, n / 2, n % 2);
        ++n;
    }
    grid->addLayout(buttons, 0, 3, 3, 1);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        const int i = current();
        if (i < 0) return;
        const plot::GabaritPoint &point = working_.GetAt(i);
        fields_[0]->setText(limitText(point.x));
        fields_[1]->setText(limitText(point.lower));
        fields_[2]->setText(limitText(point.upper));
    });
    refill(-1);
}

QString CTemplateDlg::limitText(double value) const {
    return value == plot::kUndefinedLimit ? QString() : QString::fromStdString(format_.automatic(value, true));
}

int CTemplateDlg::current() const { return list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1; }

void CTemplateDlg::refill(int selected) {
    list_->clear();
    for (int i = 0; i < working_.GetSize(); ++i) {
        const plot::GabaritPoint &point = working_.GetAt(i);
        new QTreeWidgetItem(list_, {QString::number(i + 1), limitText(point.x), limitText(point.lower), limitText(point.upper)});
    }
    if (selected >= 0 && selected < working_.GetSize()) list_->setCurrentItem(list_->topLevelItem(selected));
}

// An empty lower or upper field leaves that limit undefined.
bool CTemplateDlg::readFields(plot::GabaritPoint &point) {
    double *targets[3] = {&point.x, &point.lower, &point.upper};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && fields_[i]->text().trimmed().isEmpty()) {
            *targets[i] = plot::kUndefinedLimit;
        } else if (!fields_[i]->check(*targets[i])) {
            return false;
        }
    }
    return true;
}

bool CTemplateDlg::roomForOneMore() {
    if (working_.GetSize() < plot::CGabaritArray::kEditorMaximum) return true;
    QApplication::beep();
    warn(formatResource(plot::texts::kTemplatePointsMax, std::to_string(plot::CGabaritArray::kEditorMaximum)));
    return false;
}

void CTemplateDlg::add() {
    plot::GabaritPoint point;
    if (!roomForOneMore() || !readFields(point)) return;
    refill(working_.Add(point));
}

void CTemplateDlg::insert() {
    plot::GabaritPoint point;
    if (!roomForOneMore() || !readFields(point)) return;
    const int at = std::max(0, current());
    working_.InsertAt(at, point);
    refill(at);
}

void CTemplateDlg::modify() {
    plot::GabaritPoint point;
    const int at = current();
    if (at < 0 || !readFields(point)) return;
    working_.SetAt(at, point);
    refill(at);
}

void CTemplateDlg::remove() {
    const int at = current();
    if (at < 0) return;
    working_.RemoveAt(at);
    refill(std::min(at, working_.GetSize() - 1));
}

void CTemplateDlg::move(int direction) {
    const int at = current(), to = at + direction;
    if (at < 0 || to < 0 || to >= working_.GetSize()) return;
    const plot::GabaritPoint moved = working_.GetAt(at);
    working_.SetAt(at, working_.GetAt(to));
    working_.SetAt(to, moved);
    refill(to);
}

void CTemplateDlg::copyAll() {
    std::vector<std::string> xs, lows, highs;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        xs.push_back(list_->topLevelItem(i)->text(1).toStdString());
        lows.push_back(list_->topLevelItem(i)->text(2).toStdString());
        highs.push_back(list_->topLevelItem(i)->text(3).toStdString());
    }
    QApplication::clipboard()->setText(QString::fromStdString(plot::gabaritClipboardText(xs, lows, highs)));
}

void CTemplateDlg::pasteAll() {
    plot::CGabaritArray pasted;
    for (const QString &line : QApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() < 3) continue;
        plot::GabaritPoint point;
        double *targets[3] = {&point.x, &point.lower, &point.upper};
        bool good = true;
        for (int i = 0; i < 3; ++i) {
            const QString text = fields[i].trimmed();
            *targets[i] = i > 0 && text.isEmpty() ? plot::kUndefinedLimit : format_.parse(text.toStdString());
            good = good && *targets[i] != NumberFormat::kNotANumber;
        }
        if (good && pasted.GetSize() < plot::CGabaritArray::kEditorMaximum) pasted.Add(point);
    }
    working_ = pasted;
    refill(-1);
}

bool CTemplateDlg::load(const QString &path) {
    auto bytes = model::readWholeFile(path.toStdString());
    std::optional<plot::CGabaritArray> loaded;
    if (bytes) loaded = plot::CGabaritArray::fromGabBytes(bytes.value());
    if (!loaded) {
        warn(tr("Failed to open document.").toStdString());
        return false;
    }
    working_ = *loaded;
    refill(-1);
    return true;
}

bool CTemplateDlg::save(const QString &path) {
    const auto bytes = working_.toGabBytes();
    if (!bytes || !model::writeFileAtomically(path.toStdString(), *bytes)) {
        warn(tr("Failed to save document.").toStdString());
        return false;
    }
    return true;
}

void CGraphView::editTemplate() {
    CTemplateDlg dialog(model_.state().gabarit, model_.format(), this);
    dialog.setPrompt(prompt_);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.state().gabarit = dialog.gabarit();
    plotChanged(false);
}

}  // namespace quillet
