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
    void setStops(QList<int> stops) { stops_ = std::move(stops); }

protected:
    // The stops of one line; lines of several layouts may differ.
    virtual const QList<int> &stopsOf(const QModelIndex &) const { return stops_; }
    // Lets a list draw field `field` of a line in its own pen or font; the
    // painter holds the line's normal pen and font when it is called.
    virtual void styleField(QPainter &, const QModelIndex &, int /*field*/, bool /*selected*/) const {}

private:
    QList<int> stops_;
};

}  // namespace quillet
