// Draws a list line's tab-separated fields at fixed tab stops, as a list
// box with tab stops does.
#pragma once

#include <QList>
#include <QStyledItemDelegate>

namespace quillet {

class TabStopDelegate : public QStyledItemDelegate {
public:
    // Stops in pixels from the line's left edge, one per field after the
    // first; later fields go one average character after the previous one.
    TabStopDelegate(QList<int> stops, QObject *parent) : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QList<int> stops_;
};

}  // namespace quillet
