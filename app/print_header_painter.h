// The print header drawn at the top of a printed page: the company line at
// twice the page font's size in its own face, style and colour, then lines
// 2 to 5 in the page font, framed across the printable width. Every
// printed report draws it with this routine.
#pragma once

#include <QFont>

#include "print_header.h"

class QPainter;

namespace quillet {

// Draws at the painter's origin; returns the y of the frame's bottom.
double drawPrintHeader(QPainter &painter, const PrintHeader &header, const QFont &pageFont, double charWidth,
                       double lineHeight, double width);

}  // namespace quillet
