// The certification report of one site: the print header on every page,
// the site block on page 1, then the plug table as the site window lists
// it, detail blocks with the small curve plots of their plug, and the foot
// with the legend and page number. One routine draws a page on any device:
// printer, print preview, PDF or image. Pages are drawn one at a time from
// the window's lines; nothing of a page is kept once it is drawn.
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "plug_list.h"
#include "print_header.h"
#include "report_layout.h"
#include "report_profile.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace quillet::autotest {

// What the site window hands to the report: the site, its plug list (plugs
// shown and detailed, column masks), the report title, the print header,
// the list's colours, and whether to print in black and white (a
// monochrome printer is printed so anyway).
struct ReportInput {
    const model::CSite *site = nullptr;
    const PlugList *list = nullptr;
    std::string title;
    PrintHeader header;
    ReportColours colours;
    bool monochrome = false;
    char decimal = '.';
    std::string printDate;  // today's date in the local order
};

class ReportRenderer {
public:
    explicit ReportRenderer(const ReportInput &input);

    // Measures the report font on the device. `printable` is the area the
    // painter's origin starts at (in device pixels); `offsetX`, `offsetY`
    // the unprintable border of the paper around it.
    void layout(const QPaintDevice &device, double printableWidth, double printableHeight, double offsetX,
                double offsetY);
    void layout(const QPrinter &printer);

    int pageCount() const { return static_cast<int>(starts_.size()); }
    int linesPerPage() const { return linesPerPage_; }
    const std::vector<std::size_t> &pageStarts() const { return starts_; }

    // Page `page` (from 1); the painter's origin at the printable area.
    void drawPage(QPainter &painter, int page) const;

private:
    QFont styledFont(int weight, bool italic = false, bool strikeOut = false) const;
    QFont doubleFont(int weight) const;
    void setFieldPen(QPainter &painter, FieldColour colour) const;
    void drawText(QPainter &painter, double x, double y, const QString &text) const;
    double drawSiteBlock(QPainter &painter, double y) const;
    double drawTable(QPainter &painter, int page, double y) const;
    void drawRow(QPainter &painter, const PlugListLine &line, double y) const;
    void drawDetailTitle(QPainter &painter, const model::CPrise &plug) const;
    void drawDetailRules(QPainter &painter, std::size_t first, std::size_t end, double top, double bottom) const;
    void drawPlots(QPainter &painter, const model::CPrise &plug, double left, double top, double bottom) const;
    void drawFoot(QPainter &painter, int page) const;

    ReportInput input_;
    std::vector<std::string> summary_;
    std::vector<int> tableStops_;
    bool monochrome_ = false;
    QFont font_;
    double charWidth_ = 1, lineHeight_ = 1;
    double marginX_ = 0, marginY_ = 0, width_ = 0, height_ = 0;
    int linesPerPage_ = 1;
    std::vector<std::size_t> starts_{0};
};

// Today's date as the report prints it ("Printed on").
std::string reportPrintDate();

}  // namespace quillet::autotest
