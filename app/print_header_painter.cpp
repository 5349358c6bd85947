#include "print_header_painter.h"

#include <QPainter>
#include <algorithm>

#include "cp1252.h"

namespace quillet {
namespace {

// The print header's colour, stored as 0x00BBGGRR.
QColor headerColor(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

}  // namespace

double drawPrintHeader(QPainter &painter, const PrintHeader &header, const QFont &pageFont, double charWidth,
                       double lineHeight, double width) {
    painter.save();
    QFont company(fromCp1252(header.faceName));
    company.setPixelSize(std::max(1, pageFont.pixelSize() * 2));
    company.setWeight(static_cast<QFont::Weight>(std::clamp(header.weight, 100, 900)));
    company.setItalic(header.italic != 0);
    company.setUnderline(header.underline != 0);
    company.setStrikeOut(header.strikeOut != 0);
    double y = 0;
    painter.setFont(company);
    painter.setPen(headerColor(header.color));
    painter.drawText(QRectF(charWidth, y, width - 2 * charWidth, 2 * lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     fromCp1252(header.society));
    y += 2 * lineHeight;
    painter.setPen(Qt::black);
    painter.setFont(pageFont);
    for (const std::string &line : header.lines) {
        painter.drawText(QRectF(charWidth, y, width - 2 * charWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         fromCp1252(line));
        y += lineHeight;
    }
    painter.drawRect(QRectF(0, 0, width - 1, y));
    painter.restore();
    return y;
}

}  // namespace quillet
