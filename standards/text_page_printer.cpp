#include "text_page_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "cp1252.h"
#include "print_header_painter.h"
#include "tab_layout.h"
#include "text_pages.h"

namespace quillet {
namespace {

constexpr double kCmPerInch = 2.54;

QFont listingFont(const QString &face, int pixelSize) {
    QFont font(face);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

}  // namespace

TextPages::TextPages(TextPageSettings settings, std::vector<TextPageLine> lines, PrintHeader header)
    : settings_(std::move(settings)), lines_(std::move(lines)), header_(std::move(header)) {}

void TextPages::layout(const QPrinter &printer) {
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    layout(printer, page.width(), page.height());
}

// Margins in centimetres on the device; the font made for the device, then
// made again so that the columns fill the printable width.
void TextPages::layout(const QPaintDevice &device, int pageWidth, int pageHeight) {
    const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
    marginX_ = settings_.marginsCm.left() * dpiX / kCmPerInch;
    marginY_ = settings_.marginsCm.top() * dpiY / kCmPerInch;
    width_ = pageWidth - 2 * marginX_;
    height_ = pageHeight - 2 * marginY_;
    const int basePixels = static_cast<int>(std::lround(settings_.pointSize * dpiY / 72.0));
    font_ = listingFont(settings_.face, basePixels);
    const double average = QFontMetricsF(font_, &device).averageCharWidth();
    const double scale = average > 0 ? (width_ / settings_.columns) / average : 1.0;
    font_ = listingFont(settings_.face, static_cast<int>(std::lround(basePixels * scale)));
    const QFontMetricsF metrics(font_, &device);
    charWidth_ = metrics.averageCharWidth();
    lineHeight_ = metrics.lineSpacing();
    bodyLines_ = standards::bodyLinesPerPage(static_cast<int>(height_), static_cast<int>(std::ceil(lineHeight_)),
                                             kPrintHeaderLines);
    pageCount_ = standards::textPageCount(lines_.size(), bodyLines_);
}

void TextPages::drawPage(QPainter &painter, int page) const {
    painter.save();
    painter.translate(marginX_, marginY_);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);
    const int headerBottom = drawHeader(painter);
    // The title line: the document title and the page number, centred.
    painter.setFont(font_);
    const QString title = settings_.title + QStringLiteral(" - Page %1/%2").arg(page).arg(pageCount_);
    const QRectF titleRow(0, headerBottom, width_, lineHeight_);
    painter.drawText(titleRow, Qt::AlignHCenter | Qt::AlignVCenter, title);
    const double ruleY = headerBottom + lineHeight_ * 1.5;
    painter.drawLine(QPointF(0, ruleY), QPointF(width_ - 1, ruleY));
    drawBody(painter, page, ruleY);
    painter.restore();
}

// The print header, then a quarter line of room below its frame.
int TextPages::drawHeader(QPainter &painter) const {
    const double y = drawPrintHeader(painter, header_, font_, charWidth_, lineHeight_, width_);
    return static_cast<int>(std::ceil(y + lineHeight_ * 0.25));
}

// The page's share of the lines at the tab stops, rules above the lines
// that ask for one, the whole framed.
void TextPages::drawBody(QPainter &painter, int page, double top) const {
    const auto share = standards::pageLines(page, bodyLines_, lines_.size());
    const auto stops = standards::scaledStops(settings_.tabStops, 1.0);
    painter.setFont(font_);
    const double bodyTop = top + lineHeight_ * 0.5;
    double y = bodyTop;
    for (std::size_t i = share.first; i < share.end; ++i) {
        const TextPageLine &line = lines_[i];
        if (line.text.empty() && settings_.skipEmptyLines) continue;
        if (line.ruleAbove && i != share.first) {
            const double ruleY = y;
            painter.drawLine(QPointF(0, ruleY), QPointF(width_ - 1, ruleY));
        }
        for (const auto &field : standards::placeFields(line.text, stops)) {
            painter.drawText(QRectF(field.column * charWidth_, y, width_ - field.column * charWidth_, lineHeight_),
                             Qt::AlignLeft | Qt::AlignVCenter, testerTextToQString(field.text));
        }
        y += lineHeight_;
    }
    painter.drawRect(QRectF(0, top, width_ - 1, std::max(y, bodyTop) - top + lineHeight_ * 0.25));
}

bool printTextPages(QPrinter &printer, TextPages &pages) {
    pages.layout(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (int page = 1; page <= pages.pageCount(); ++page) {
        if (page > 1) printer.newPage();
        pages.drawPage(painter, page);
    }
    return painter.end();
}

}  // namespace quillet
