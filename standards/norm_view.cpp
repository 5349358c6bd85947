#include "norm_view.h"

#include <QApplication>
#include <algorithm>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include "cp1252.h"
#include "norm_listing.h"
#include "tab_layout.h"

namespace quillet {
namespace {

constexpr double kListingPointSize = 9;
// Stops on screen are half the listing's stop numbers in character widths.
constexpr double kScreenStopUnit = 0.5;
constexpr int kScrollColumns = 80;
// The window opens showing this many lines.
constexpr int kShownLines = 30;

QFont screenListingFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setPointSizeF(kListingPointSize);
    return font;
}

// Draws a row's tab-separated fields at the listing's stops.
class ListingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        const QString text = background.text;
        background.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const double charWidth = option.fontMetrics.averageCharWidth();
        const auto stops = standards::scaledStops(standards::kListingTabStops, kScreenStopUnit);
        const QRect row = option.rect.adjusted(2, 0, 0, 0);
        // A row decoded from Windows-1252 has one character per byte, so its
        // fields take the columns the listing gives them.
        QStringList fields = text.split(QLatin1Char('\t'));
        fields.removeAll(QString());
        std::string shape;
        for (const QChar c : text) shape += c == QLatin1Char('\t') ? '\t' : 'x';
        qsizetype next = 0;
        for (const auto &field : standards::placeFields(shape, stops)) {
            if (next >= fields.size()) break;
            const int x = row.left() + static_cast<int>(field.column * charWidth);
            painter->drawText(QRect(x, row.top(), row.right() - x, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                              fields[next++]);
        }
        painter->restore();
    }

    // A row is as wide as the listing's 80 columns, so long lines scroll.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(kScrollColumns * option.fontMetrics.averageCharWidth());
        return size;
    }
};

}  // namespace

CNormView::CNormView(QWidget *parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setFont(screenListingFont());
    setItemDelegate(new ListingDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { emit currentLineChanged(current.isValid() ? current.row() + 1 : 0); });
}

QSize CNormView::sizeHint() const {
    const QFontMetrics metrics(font());
    return {(kScrollColumns + 4) * metrics.averageCharWidth(), kShownLines * metrics.lineSpacing()};
}

void CNormView::setListing(const std::vector<std::string> &lines) {
    lines_ = lines;
    QStringList rows;
    for (const std::string &line : lines) rows.append(fromCp1252(line));
    model_->setStringList(rows);
}

void CNormView::keyPressEvent(QKeyEvent *event) {
    QScrollBar *bar = horizontalScrollBar();
    const bool farEnd = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_Left:
        if (farEnd)
            bar->setValue(bar->minimum());
        else
            bar->triggerAction(event->key() == Qt::Key_Home ? QAbstractSlider::SliderPageStepSub
                                                           : QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_End:
    case Qt::Key_Right:
        if (farEnd)
            bar->setValue(bar->maximum());
        else
            bar->triggerAction(event->key() == Qt::Key_End ? QAbstractSlider::SliderPageStepAdd
                                                          : QAbstractSlider::SliderSingleStepAdd);
        return;
    default: QListView::keyPressEvent(event);
    }
}

std::vector<std::string> CNormView::selectedLines() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    if (rows.isEmpty()) return lines_;
    std::vector<std::string> out;
    for (const QModelIndex &row : rows) out.push_back(lines_[static_cast<std::size_t>(row.row())]);
    return out;
}

}  // namespace quillet
