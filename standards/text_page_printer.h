// Printed text listings: lines of tab-separated text in a fixed-pitch font
// scaled so that a given number of columns fills the printable width, under
// the print header, with a centred title and page number on every page and
// the body framed. One routine draws a page on any device - printer, print
// preview, PDF or image - so what is previewed is what is printed.
#pragma once

#include <QFont>
#include <QMarginsF>
#include <QString>
#include <string>
#include <vector>

#include "print_header.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace quillet {

struct TextPageLine {
    std::string text;         // Windows-1252, tab-separated
    bool ruleAbove = false;   // a horizontal rule across the page above it
};

struct TextPageSettings {
    QString title;                // "title - Page n/N" heads every page
    std::vector<int> tabStops;    // in average character widths
    int columns = 80;             // characters across the printable width
    QString face = QStringLiteral("Courier New");
    double pointSize = 9;
    QMarginsF marginsCm{1.0, 1.5, 1.0, 1.5};
    bool skipEmptyLines = true;   // empty lines take no room on the page
};

class TextPages {
public:
    TextPages(TextPageSettings settings, std::vector<TextPageLine> lines, PrintHeader header);

    // Measures fonts and lines on the device whose printable area is
    // `pageWidth` x `pageHeight` pixels; must precede pageCount and drawPage.
    void layout(const QPaintDevice &device, int pageWidth, int pageHeight);
    void layout(const QPrinter &printer);

    int pageCount() const { return pageCount_; }
    int bodyLinesPerPage() const { return bodyLines_; }
    const QFont &font() const { return font_; }

    // Page `page` (from 1) with the painter's origin at the printable
    // area's top left.
    void drawPage(QPainter &painter, int page) const;

private:
    int drawHeader(QPainter &painter) const;
    void drawBody(QPainter &painter, int page, double top) const;

    TextPageSettings settings_;
    std::vector<TextPageLine> lines_;
    PrintHeader header_;
    QFont font_;
    double charWidth_ = 1;
    double lineHeight_ = 1;
    double marginX_ = 0, marginY_ = 0;
    double width_ = 0, height_ = 0;  // printable width and height
    int bodyLines_ = 1;
    int pageCount_ = 1;
};

// Prints every page on the printer (also the print preview's printer);
// false when the printer could not be started.
bool printTextPages(QPrinter &printer, TextPages &pages);

}  // namespace quillet
