#include "list_line_model.h"

#include <QPainter>
#include <algorithm>

#include "cp1252.h"
#include "detail_lines.h"

namespace quillet::autotest {

void ListLineModel::setLines(std::vector<const ListLine *> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

const ListLine *ListLineModel::line(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < lines_.size() ? lines_[static_cast<std::size_t>(row)] : nullptr;
}

int ListLineModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ListLineModel::data(const QModelIndex &index, int role) const {
    const ListLine *shown = line(index.row());
    if (!shown || role != Qt::DisplayRole) return {};
    return fromCp1252(shown->text);
}

QColor colourFromProfileValue(long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

long profileValueOfColour(const QColor &colour) {
    return static_cast<long>(colour.red()) | (static_cast<long>(colour.green()) << 8) |
           (static_cast<long>(colour.blue()) << 16);
}

QFont listFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

ListLineDelegate::ListLineDelegate(const ListLineModel &model, const ListColours &colours, QObject *parent)
    : TabStopDelegate({}, parent), model_(model), colours_(colours) {}

void ListLineDelegate::setStops(QList<int> plugStops, QList<int> detailStops) {
    plugStops_ = std::move(plugStops);
    detailStops_ = std::move(detailStops);
}

QSize ListLineDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const {
    const int widest = std::max(plugStops_.isEmpty() ? 0 : plugStops_.last(),
                                detailStops_.isEmpty() ? 0 : detailStops_.last());
    return {widest + 30 * option.fontMetrics.averageCharWidth(), option.fontMetrics.height() + 2};
}

const QList<int> &ListLineDelegate::stopsOf(const QModelIndex &index) const {
    const ListLine *line = model_.line(index.row());
    return line && isDetailLine(line->text) ? detailStops_ : plugStops_;
}

void ListLineDelegate::styleField(QPainter &painter, const QModelIndex &index, int field, bool selected) const {
    const ListLine *line = model_.line(index.row());
    if (!line || field < 0 || static_cast<std::size_t>(field) >= line->colours.size()) return;
    const FieldColour colour = line->colours[static_cast<std::size_t>(field)];
    if (colour == FieldColour::Fail && colours_.strikeFail) {
        QFont struck = painter.font();
        struck.setStrikeOut(true);
        painter.setFont(struck);
    }
    if (selected) return;  // the selection's own text colour stays readable
    switch (colour) {
    case FieldColour::Pass: painter.setPen(colours_.pass); break;
    case FieldColour::Fail: painter.setPen(colours_.fail); break;
    case FieldColour::Limit: painter.setPen(colours_.limit); break;
    default: break;
    }
}

QList<int> columnStops(const std::vector<const ListLine *> &lines, int charWidth) {
    std::vector<int> widest;
    for (const ListLine *line : lines) {
        std::size_t field = 0;
        int width = 0;
        for (const char c : line->text) {
            if (c != '\t') {
                ++width;
                continue;
            }
            if (widest.size() <= field) widest.resize(field + 1, 0);
            widest[field] = std::max(widest[field], width);
            ++field;
            width = 0;
        }
    }
    QList<int> stops;
    int at = 0;
    for (const int width : widest) {
        at += (width + 1) * charWidth;
        stops.append(at);
    }
    return stops;
}

}  // namespace quillet::autotest
