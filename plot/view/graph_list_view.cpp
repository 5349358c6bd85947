#include "graph_list_view.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "graph_view.h"

namespace quillet {
namespace {

// A legend line in its colour and font, its tab-separated columns at fixed
// stops (statistics), the heading underlined.
class LegendDelegate : public QStyledItemDelegate {
public:
    LegendDelegate(int column, QObject *parent) : QStyledItemDelegate(parent), column_(column) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        painter->save();
        const QVariant font = index.data(Qt::FontRole);
        if (font.isValid()) painter->setFont(qvariant_cast<QFont>(font));
        painter->setPen(qvariant_cast<QBrush>(index.data(Qt::ForegroundRole)).color());
        const QStringList fields = index.data(Qt::DisplayRole).toString().split('\t');
        const QRect line = option.rect.adjusted(2, 0, 0, 0);
        int x = line.left();
        for (int i = 0; i < fields.size(); ++i) {
            if (i > 0) x = std::max(x + column_ / 4, line.left() + column_ * (i + 1));
            painter->drawText(QRect(x, line.top(), 10000, line.height()), Qt::AlignLeft | Qt::AlignVCenter, fields[i]);
            x += painter->fontMetrics().horizontalAdvance(fields[i]);
        }
        painter->restore();
    }

private:
    int column_;
};

}  // namespace

CGraphListView::CGraphListView(CGraphView &view, QWidget *parent) : QListWidget(parent), view_(view) {
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setItemDelegate(new LegendDelegate(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(&view_, &CGraphView::legendChanged, this, &CGraphListView::rebuild);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int slot = item->data(Qt::UserRole).toInt();
        if (slot >= 0) view_.selectCurve(slot);
    });
    rebuild();
}

void CGraphListView::rebuild() {
    clear();
    for (const plot::LegendLine &line : view_.legendLines()) {
        auto *item = new QListWidgetItem(QString::fromStdString(line.text), this);
        item->setForeground(QColor(line.colour.red, line.colour.green, line.colour.blue));
        item->setData(Qt::UserRole, line.slot);
        if (line.heading || line.bold) {
            QFont lineFont = font();
            lineFont.setUnderline(line.heading);
            lineFont.setBold(line.bold);
            item->setFont(lineFont);
        }
    }
}

}  // namespace quillet
