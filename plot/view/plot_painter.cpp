#include "plot_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace quillet {
namespace {

QColor colourOf(plot::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

Qt::PenStyle penStyle(int style) {
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

class ScenePainter {
public:
    ScenePainter(QPainter &painter, const QRectF &target, const plot::PlotScene &scene, const PlotPaintOptions &options)
        : painter_(painter), map_(target), scene_(scene), options_(options) {
        penWidth_ = std::max(1.0, std::round(target.height() / 1000.0));
        titleFont_ = QFont(QStringLiteral("Times New Roman"));
        titleFont_.setBold(true);
        titleFont_.setPixelSize(std::max(1, static_cast<int>(plot::kTitleFontHeight * map_.pixelsPerUnitY())));
        labelFont_ = QFont(QStringLiteral("Courier New"));
        labelFont_.setStyleHint(QFont::Monospace);
        labelFont_.setPixelSize(std::max(1, static_cast<int>(plot::kLabelFontHeight * map_.pixelsPerUnitY())));
    }

    void draw() {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        for (const plot::Primitive &item : scene_.items) {
            std::visit([this](const auto &primitive) {
                if (shown(primitive.band)) drawItem(primitive);
            }, item);
        }
        painter_.restore();
    }

private:
    bool shown(plot::Band band) const {
        if (options_.repaint.isEmpty()) return true;
        return map_.toDevice(scene_.geometry.band(band)).adjusted(-2, -2, 2, 2).intersects(options_.repaint);
    }

    QPen pen(plot::Rgb colour, int style, bool dotted) const {
        QPen p(colourOf(colour), penWidth_, dotted ? Qt::DotLine : penStyle(style));
        p.setCapStyle(Qt::FlatCap);
        return p;
    }

    void drawItem(const plot::LineItem &line) {
        painter_.setPen(pen(line.colour, line.style, line.dotted));
        painter_.drawLine(map_.toDevice(line.from), map_.toDevice(line.to));
    }

    void drawItem(const plot::PolylineItem &line) {
        if (line.points.size() < 2) return;
        points_.resize(static_cast<qsizetype>(line.points.size()));
        for (std::size_t i = 0; i < line.points.size(); ++i) points_[static_cast<qsizetype>(i)] = map_.toDevice(line.points[i]);
        painter_.setPen(pen(line.colour, line.style, false));
        painter_.drawPolyline(points_.constData(), static_cast<int>(points_.size()));
    }

    void drawItem(const plot::RectItem &rect) {
        painter_.setPen(pen(rect.colour, 0, rect.dotted));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(map_.toDevice(rect.rect));
    }

    void drawItem(const plot::SymbolItem &symbol) {
        const QPointF at = map_.toDevice(symbol.at);
        const double r = std::max(2.0, 8 * map_.pixelsPerUnitY());
        painter_.setPen(pen(symbol.colour, 0, false));
        painter_.setBrush(Qt::NoBrush);
        switch (symbol.shape) {
        case plot::SymbolShape::Square: painter_.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
        case plot::SymbolShape::Cross:
            painter_.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            painter_.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
            break;
        case plot::SymbolShape::Diamond: {
            const QPointF corners[] = {at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)};
            painter_.drawPolygon(corners, 4);
            break;
        }
        }
    }

    void drawItem(const plot::TextItem &text) {
        if (text.text.empty()) return;
        const QFont &font = text.font == plot::FontRole::Title ? titleFont_ : labelFont_;
        painter_.setFont(font);
        painter_.setPen(colourOf(text.colour));
        const QFontMetricsF metrics(font, painter_.device());
        QString shown = QString::fromStdString(text.text);
        if (text.maxWidth > 0) {
            const double width = text.maxWidth * map_.target().width() / plot::kLogicalWidth;
            shown = metrics.elidedText(shown, Qt::ElideRight, width);
        }
        const QPointF at = map_.toDevice(text.at);
        const double width = metrics.horizontalAdvance(shown);
        double x = at.x();
        if (text.h == plot::HAlign::Centre) x -= width / 2;
        if (text.h == plot::HAlign::Right) x -= width;
        double y = at.y() + metrics.ascent();  // top
        if (text.v == plot::VAlign::Middle) y = at.y() + (metrics.ascent() - metrics.descent()) / 2;
        if (text.v == plot::VAlign::Bottom) y = at.y() - metrics.descent();
        painter_.drawText(QPointF(x, y), shown);
    }

    QPainter &painter_;
    PlotMapping map_;
    const plot::PlotScene &scene_;
    PlotPaintOptions options_;
    double penWidth_ = 1;
    QFont titleFont_, labelFont_;
    QVector<QPointF> points_;
};

}  // namespace

QPointF PlotMapping::toDevice(plot::Point p) const {
    return {target_.left() + p.x * target_.width() / plot::kLogicalWidth,
            target_.bottom() - p.y * target_.height() / plot::kLogicalHeight};
}

plot::Point PlotMapping::toLogical(QPointF p) const {
    return {(p.x() - target_.left()) * plot::kLogicalWidth / target_.width(),
            (target_.bottom() - p.y()) * plot::kLogicalHeight / target_.height()};
}

QRectF PlotMapping::toDevice(const plot::Rect &r) const {
    return QRectF(toDevice(plot::Point{r.left, r.top}), toDevice(plot::Point{r.right, r.bottom})).normalized();
}

void drawPlotScene(QPainter &painter, const QRectF &target, const plot::PlotScene &scene,
                   const PlotPaintOptions &options) {
    ScenePainter(painter, target, scene, options).draw();
}

bool isMonochromeDevice(const QPaintDevice &device) { return device.colorCount() <= 2 || device.depth() == 1; }

}  // namespace quillet
