// A printed plot page: the plot in the logical space over the upper part
// of the page, the legend lines below it, drawn by the same routines as the
// screen.
#include <QFontMetricsF>
#include <QPainter>

#include "graph_view.h"

namespace quillet {

void drawPlotPage(QPainter &painter, const QRectF &page, const plot::PlotModel &model, bool monochrome,
                  bool showStatistics) {
    const QRectF plotArea(page.left(), page.top(), page.width(), page.height() * 0.72);
    drawPlot(painter, plotArea, model, DrawPlotOptions{monochrome, false, {}});
    plot::PlotState state = model.state();
    state.statisticsShown = showStatistics;
    const auto lines = plot::legendLines(model.document(), state, model.format(), monochrome);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(std::max(1, static_cast<int>(page.height() / 80)));
    const QFontMetricsF metrics(font, painter.device());
    const double tab = metrics.horizontalAdvance(QLatin1Char('0')) * 12;
    const double column = page.width() / 2;
    double x = page.left(), y = plotArea.bottom() + metrics.height();
    for (const plot::LegendLine &line : lines) {
        if (y + metrics.height() > page.bottom()) {  // the second column
            if (x > page.left()) break;
            x = page.left() + column;
            y = plotArea.bottom() + metrics.height();
        }
        QFont lineFont = font;
        lineFont.setUnderline(line.heading);
        lineFont.setBold(line.bold);
        painter.setFont(lineFont);
        painter.setPen(QColor(line.colour.red, line.colour.green, line.colour.blue));
        double at = x;
        const QStringList fields = QString::fromStdString(line.text).split('\t');
        for (int i = 0; i < fields.size(); ++i) {
            if (i > 0) at = x + tab * (i + 1);
            painter.drawText(QPointF(at, y + metrics.ascent()), fields[i]);
            at += metrics.horizontalAdvance(fields[i]);
        }
        y += metrics.height();
    }
}

}  // namespace quillet
