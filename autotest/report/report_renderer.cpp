#include "report_renderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "cp1252.h"
#include "graph_view.h"
#include "plot_model.h"
#include "plug_curve_document.h"
#include "print_header_painter.h"
#include "quillet_strings.h"
#include "regional.h"
#include "tab_layout.h"

namespace quillet::autotest {
namespace {

constexpr double kPointSize = 8;
// Abscissa steps across a small plot of the report.
constexpr double kSmallPlotPoints = 90;
constexpr int kHeaderLines = kPrintHeaderLines;

QColor colourOf(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

std::vector<std::string> splitFields(const std::string &text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// The heading with its lead and number fields left empty.
std::string tableHeading(const std::string &heading) {
    std::size_t tab = heading.find('\t');
    if (tab != std::string::npos) tab = heading.find('\t', tab + 1);
    return tab == std::string::npos ? std::string("\t") : "\t" + heading.substr(tab);
}

bool beginsWith(const std::string &text, const std::string &prefix) { return text.rfind(prefix, 0) == 0; }

QString levelText(double value) { return QString::number(value, 'f', 0); }

// A device that reports 1 or 2 colours, or 1 or 2 bits' worth of them
// (a 32-bit image reports no colour table: it is not monochrome).
bool monochromeDevice(const QPaintDevice &device) {
    const int colours = device.colorCount();
    return colours == 1 || colours == 2 || device.depth() <= 1;
}

}  // namespace

std::string reportPrintDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char ddmmyy[16];
    std::strftime(ddmmyy, sizeof ddmmyy, "%d/%m/%y", &local);
    return localDate(ddmmyy, programRegional());
}

ReportRenderer::ReportRenderer(const ReportInput &input) : input_(input) {
    if (input_.list) summary_ = input_.list->summaryLines(input_.title);
    tableStops_ = plugTableStops(input_.site ? plugIdWidth(*input_.site) : 15);
}

void ReportRenderer::layout(const QPrinter &printer) {
    const int dpi = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(dpi);
    const QRect full = printer.pageLayout().fullRectPixels(dpi);
    layout(printer, paint.width(), paint.height(), paint.left() - full.left(), paint.top() - full.top());
    if (printer.colorMode() == QPrinter::GrayScale) monochrome_ = true;
}

// One inch of margin, less the paper's unprintable border; a font that
// lets the table's widest line fit across the page.
void ReportRenderer::layout(const QPaintDevice &device, double printableWidth, double printableHeight, double offsetX,
                            double offsetY) {
    monochrome_ = input_.monochrome || monochromeDevice(device);
    const double inchX = device.logicalDpiX(), inchY = device.logicalDpiY();
    marginX_ = offsetX < inchX ? inchX - offsetX : offsetX;
    marginY_ = offsetY < inchY ? inchY - offsetY : offsetY;
    width_ = std::max(1.0, printableWidth - 2 * marginX_);
    height_ = std::max(1.0, printableHeight - 2 * marginY_);
    font_ = QFont(QStringLiteral("Courier New"));
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(kPointSize * inchY / 72.0))));
    const double columns = tableStops_.back() + 10;
    const double average = QFontMetricsF(font_, &device).averageCharWidth();
    if (average * columns > width_)
        font_.setPixelSize(std::max(1, static_cast<int>(std::floor(font_.pixelSize() * width_ / (average * columns)))));
    const QFontMetricsF metrics(font_, &device);
    charWidth_ = metrics.averageCharWidth();
    lineHeight_ = std::ceil(metrics.lineSpacing());
    linesPerPage_ = reportLinesPerPage(static_cast<int>(height_), static_cast<int>(lineHeight_), kHeaderLines);
    starts_ = input_.list ? reportPageStarts(input_.list->lines(), linesPerPage_) : std::vector<std::size_t>{0};
}

QFont ReportRenderer::styledFont(int weight, bool italic, bool strikeOut) const {
    QFont font = font_;
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setStrikeOut(strikeOut);
    return font;
}

QFont ReportRenderer::doubleFont(int weight) const {
    QFont font = styledFont(weight);
    font.setPixelSize(font_.pixelSize() * 2);
    font.setStretch(100);
    return font;
}

void ReportRenderer::setFieldPen(QPainter &painter, FieldColour colour) const {
    switch (monochrome_ ? FieldColour::Normal : colour) {
    case FieldColour::Pass: painter.setPen(colourOf(input_.colours.pass)); return;
    case FieldColour::Fail: painter.setPen(colourOf(input_.colours.fail)); return;
    case FieldColour::Limit: painter.setPen(colourOf(input_.colours.limit)); return;
    case FieldColour::Normal: break;
    }
    painter.setPen(Qt::black);
}

// Text with its line's top at y.
void ReportRenderer::drawText(QPainter &painter, double x, double y, const QString &text) const {
    painter.drawText(QRectF(x, y, std::max(1.0, width_ - x), lineHeight_), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void ReportRenderer::drawPage(QPainter &painter, int page) const {
    painter.save();
    painter.translate(marginX_, marginY_);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    drawPrintHeader(painter, input_.header, font_, charWidth_, lineHeight_, width_);
    double y = lineHeight_ * (kHeaderLines + 1);
    y = page < 2 ? drawSiteBlock(painter, y) : drawTable(painter, page, y);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, lineHeight_ * (kHeaderLines + 1), width_ - 1, y - lineHeight_ * (kHeaderLines + 1)));
    drawFoot(painter, page);
    painter.restore();
}

double ReportRenderer::drawSiteBlock(QPainter &painter, double y) const {
    const QFont title = doubleFont(700);
    for (std::size_t i = 0; i < 2 && i < summary_.size(); ++i) {
        if (i == 1) painter.drawLine(QPointF(0, y), QPointF(width_ - 1, y));
        painter.setFont(title);
        painter.drawText(QRectF(0, y, width_, 2 * lineHeight_), Qt::AlignCenter,
                         testerTextToQString(summary_[i].substr(summary_[i].empty() ? 0 : 1)));
        y += 2 * lineHeight_;
    }
    const std::vector<int> stopNumbers = siteBlockStops();
    const std::vector<double> stops = standards::scaledStops(stopNumbers, 1.0);
    const double fifthStop = stops[4] * charWidth_;
    const auto fit = static_cast<std::size_t>(std::max(1.0, width_ / charWidth_));
    const std::string commentLead = std::string("\t") + resourceString(159) + ":";
    const std::string testedLead = std::string("\t") + resourceString(173) + ":\t";
    bool commentSeen = false;
    int boldLeft = 0;
    const std::size_t last = std::min(summary_.size(), static_cast<std::size_t>(std::max(2, linesPerPage_ - 1)));
    for (std::size_t i = 2; i < last; ++i) {
        std::string text = summary_[i].substr(0, fit);
        if (!commentSeen && beginsWith(text, commentLead)) {
            commentSeen = true;
            text.clear();
        }
        if (beginsWith(text, testedLead)) {
            boldLeft = 4;
            painter.setPen(Qt::black);
            painter.drawLine(QPointF(0, y), QPointF(width_ - 1, y));
            painter.drawLine(QPointF(fifthStop - 10, y), QPointF(fifthStop - 10, y + 4 * lineHeight_));
            painter.drawLine(QPointF(0, y + 4 * lineHeight_), QPointF(width_ - 1, y + 4 * lineHeight_));
            painter.setFont(font_);
            drawText(painter, fifthStop, y, fromCp1252(std::string(resourceString(245)) + " " + input_.printDate));
            drawText(painter, fifthStop, y + lineHeight_, fromCp1252(std::string(resourceString(246)) + ":"));
        }
        painter.setFont(boldLeft > 0 ? styledFont(700) : font_);
        painter.setPen(Qt::black);
        for (const auto &field : standards::placeFields(text, stops))
            drawText(painter, field.column * charWidth_, y, testerTextToQString(field.text));
        if (boldLeft > 0) --boldLeft;
        y += lineHeight_;
    }
    return y;
}

double ReportRenderer::drawTable(QPainter &painter, int page, double y) const {
    const auto &lines = input_.list->lines();
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(0, y), QPointF(width_ - 1, y));
    drawRow(painter, {{tableHeading(input_.list->heading().text), {}}, 0, false}, y);
    y += lineHeight_;
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(0, y), QPointF(width_ - 1, y));
    const PageRows rows = reportPageRows(starts_, page, lines.size());
    const model::CPrise *detailed = nullptr;
    double blockTop = y;
    std::size_t blockFirst = rows.first;
    for (std::size_t i = rows.first; i < rows.end; ++i) {
        const PlugListLine &line = lines[i];
        if (!line.detail) {
            painter.setPen(Qt::black);
            painter.drawLine(QPointF(0, y), QPointF(width_ - 1, y));
            painter.drawLine(QPointF(0, y + lineHeight_), QPointF(width_ - 1, y + lineHeight_));
            if (input_.list->isDetailed(i)) {
                detailed = &input_.site->plugs[line.plug];
                drawDetailTitle(painter, *detailed);
                blockTop = y + lineHeight_;
                blockFirst = i + 1;
            }
        }
        drawRow(painter, line, y);
        y += lineHeight_;
    }
    if (rows.first < rows.end && lines[rows.end - 1].detail) {
        drawDetailRules(painter, blockFirst, rows.end, blockTop, y);
        const double left = (detailTableChars(lines, blockFirst, rows.end) + 2) * charWidth_;
        if (detailed && detailed->hasAnyCurve()) drawPlots(painter, *detailed, left, blockTop, y);
    }
    return y;
}

// Every field at its stop, in its colour or its black-and-white style.
void ReportRenderer::drawRow(QPainter &painter, const PlugListLine &line, double y) const {
    const std::vector<std::string> fields = splitFields(line.line.text);
    const std::vector<int> stops = line.detail ? detailStops(fields.size()) : tableStops_;
    const bool sectionTitle = line.detail && isDetailSectionTitle(line.line.text);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].empty()) continue;
        const int interval = stops.size() > 1 ? stops.back() - stops[stops.size() - 2] : 9;
        const int stop = k < stops.size() ? stops[k]
                                           : stops.back() + interval * static_cast<int>(k + 1 - stops.size());
        const double x = stop == 0 ? 3.0 : stop * charWidth_;
        const FieldColour colour = k < line.line.colours.size() ? line.line.colours[k] : FieldColour::Normal;
        const FieldStyle style = reportFieldStyle(colour, monochrome_, input_.colours.strikeFailBW);
        painter.setFont(styledFont(sectionTitle ? 800 : style.weight, style.italic, style.strikeOut));
        setFieldPen(painter, style.colour);
        drawText(painter, x, y, testerTextToQString(fields[k]));
    }
}

// Identifier and verdict at the page's top right, over the header.
void ReportRenderer::drawDetailTitle(QPainter &painter, const model::CPrise &plug) const {
    const double top = lineHeight_ * (kHeaderLines + 1 - 5);
    painter.setFont(doubleFont(700));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, top, width_, 2 * lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                     testerTextToQString(detailPlugTitle(plug.plugId)));
    setFieldPen(painter, plugPassed(plug.resultType) ? FieldColour::Pass : FieldColour::Fail);
    painter.drawText(QRectF(0, top + 2 * lineHeight_, width_, 2 * lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                     fromCp1252(detailPlugVerdict(plug.resultType)));
}

// Rules between the detail table's columns: at every stop from the pair
// column on, down the block, and one under it.
void ReportRenderer::drawDetailRules(QPainter &painter, std::size_t first, std::size_t end, double top,
                                     double bottom) const {
    const int right = detailTableChars(input_.list->lines(), first, end);
    painter.setPen(QPen(Qt::black, 0));
    for (int stop : detailStops(static_cast<std::size_t>(right / 9 + 3))) {
        if (stop < 4 || stop > right) continue;
        const double x = stop * charWidth_ - charWidth_ * 0.3;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    painter.drawLine(QPointF(0, bottom), QPointF(width_ - 1, bottom));
}

// Five rows of two small plots right of the worst-case table, each with
// its frequency and level bounds, "dB" and its name.
void ReportRenderer::drawPlots(QPainter &painter, const model::CPrise &plug, double left, double top,
                               double bottom) const {
    const ReportRect area{left, top, width_ - left, bottom - top};
    const double labelWidth = charWidth_ * 5;
    if (area.width < labelWidth * 4 || area.height < lineHeight_ * kPlotRows * 3) return;
    painter.setFont(font_);
    for (const PlotCell &cell : reportPlotCells(input_.list->detailedMask())) {
        const std::vector<model::CGrphMes> *curves = plug.curvesOf(cell.kind, cell.side);
        if (!curves || curves->empty()) continue;
        const ReportRect r = plotCellRect(area, cell, lineHeight_, labelWidth);
        const QRectF target(r.x, r.y, r.width, r.height);
        PlugCurveDocument document(*curves);
        plot::PlotModel model(document);
        model.assignChannels(model.availableChannels());
        // Laid out at a few points per printed millimetre: the curves are
        // thinned to what a small plot can show instead of every sample.
        const double scale = std::max(1.0, target.width() / kSmallPlotPoints);
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(scale, scale);
        drawPlot(painter, QRectF(0, 0, target.width() / scale, target.height() / scale), model,
                 DrawPlotOptions{monochrome_, true, {}});
        painter.restore();
        const plot::PlotWindow &window = model.state().window;
        painter.setPen(Qt::black);
        painter.setFont(font_);
        const double below = target.bottom();
        painter.drawText(QRectF(target.left(), below, target.width(), lineHeight_), Qt::AlignCenter,
                         QString::fromUtf8(resourceString(232)) + QStringLiteral(" (MHz)"));
        painter.drawText(QRectF(target.left(), below, target.width(), lineHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                         levelText(window.x.minimum));
        painter.drawText(QRectF(target.left(), below, target.width(), lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                         levelText(window.x.maximum));
        const QRectF labels(target.left() - labelWidth, target.top(), labelWidth - 2, target.height());
        painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, levelText(window.y1.minimum));
        painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, levelText(window.y1.maximum));
        painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("dB"));
        const std::string name = model::slotName(model::curveSlot(cell.kind, cell.side), model::NameForm::Long, " - ");
        painter.drawText(QRectF(target.left(), target.top() - lineHeight_, target.width(), lineHeight_),
                         Qt::AlignCenter, QString::fromStdString(name));
    }
}

void ReportRenderer::drawFoot(QPainter &painter, int page) const {
    const ReportFoot foot = reportFoot(input_.site ? input_.site->name : std::string(), page, pageCount(),
                                       input_.decimal);
    const double y = lineHeight_ * (kHeaderLines + 2 + linesPerPage_);
    painter.setPen(Qt::black);
    painter.setFont(font_);
    drawText(painter, 0, y, QStringLiteral("("));
    const FieldStyle fail = reportFieldStyle(FieldColour::Fail, monochrome_, input_.colours.strikeFailBW);
    painter.setFont(styledFont(fail.weight, fail.italic, fail.strikeOut));
    setFieldPen(painter, fail.colour);
    const QString sample = fromCp1252(foot.failSample);
    drawText(painter, charWidth_, y, sample);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    drawText(painter, charWidth_ * static_cast<double>(1 + sample.size()), y, fromCp1252(foot.leftFirst));
    drawText(painter, 0, y + lineHeight_, fromCp1252(foot.leftSecond));
    painter.drawText(QRectF(0, y, width_, lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                     testerTextToQString(foot.rightFirst));
    painter.drawText(QRectF(0, y + lineHeight_, width_, lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                     fromCp1252(foot.rightSecond));
}

}  // namespace quillet::autotest
