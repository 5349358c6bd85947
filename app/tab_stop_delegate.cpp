#include "tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

namespace quillet {

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    const QStringList fields = background.text.split('\t');
    background.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect line = option.rect.adjusted(2, 0, 0, 0);
    const QList<int> &stops = stopsOf(index);
    const QPen normalPen = painter->pen();
    const QFont normalFont = painter->font();
    int x = line.left();
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            const int stop = i - 1 < stops.size() ? line.left() + stops[i - 1] : x;
            x = qMax(stop, x);
        }
        const QRect cell(x, line.top(), line.right() - x, line.height());
        painter->setPen(normalPen);
        painter->setFont(normalFont);
        styleField(*painter, index, i, selected);
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, fields[i]);
        x += option.fontMetrics.horizontalAdvance(fields[i]) + option.fontMetrics.averageCharWidth();
    }
    painter->restore();
}

}  // namespace quillet
