// The lines of a site window as Qt's model/view draws them: a list model
// over the lines the autotest lists build, and a delegate that draws each
// tab-separated field at its stop in the colour the line gives it (pass,
// fail, limit or normal), fail values struck out when printing in black
// and white asks for it. Only the lines on screen are converted and drawn,
// so a site of ten thousand plugs scrolls as fast as one of ten.
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QFont>
#include <vector>

#include "list_lines.h"
#include "tab_stop_delegate.h"

namespace quillet::autotest {

class ListLineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // The lines stay owned by the caller until the next setLines().
    void setLines(std::vector<const ListLine *> lines);
    const ListLine *line(int row) const;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::vector<const ListLine *> lines_;
};

struct ListColours {
    QColor pass{0, 128, 0};
    QColor fail{255, 0, 0};
    QColor limit{0, 0, 128};
    bool strikeFail = false;  // black and white: fail values struck out instead
};

// 0x00BBGGRR, as the profile stores colours, and back.
QColor colourFromProfileValue(long value);
long profileValueOfColour(const QColor &colour);

// The fixed-pitch font of the site window's lists.
QFont listFont();

class ListLineDelegate : public TabStopDelegate {
public:
    ListLineDelegate(const ListLineModel &model, const ListColours &colours, QObject *parent);

    // Stops of the plug lines (and the heading) and of the detail lines.
    void setStops(QList<int> plugStops, QList<int> detailStops);
    // One line of text high, as wide as the widest stop and a margin.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    const QList<int> &stopsOf(const QModelIndex &index) const override;
    void styleField(QPainter &painter, const QModelIndex &index, int field, bool selected) const override;

private:
    const ListLineModel &model_;
    const ListColours &colours_;
    QList<int> plugStops_;
    QList<int> detailStops_;
};

// Stops that put every field of the lines in its own column: each field's
// widest text plus one character.
QList<int> columnStops(const std::vector<const ListLine *> &lines, int charWidth);

}  // namespace quillet::autotest
