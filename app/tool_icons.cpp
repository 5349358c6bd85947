#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "command_ids.h"

namespace quillet {
namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kArrow(30, 120, 40);
const QColor kFolder(225, 185, 70);
const QColor kCase(235, 140, 30);

using Drawing = std::function<void(QPainter &)>;

QIcon drawn(const Drawing &draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    draw(p);
    return QIcon(pixmap);
}

// The kind of document a download or open button works on.
void badge(QPainter &p, QChar letter) {
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 60, 160));
    p.drawText(QRect(13, 12, 11, 12), Qt::AlignCenter, letter);
}

void tester(QPainter &p) {
    p.setBrush(kCase);
    p.drawRoundedRect(QRectF(5, 1.5, 13, 21), 2.5, 2.5);
    p.setBrush(QColor(190, 230, 200));
    p.drawRect(QRectF(7.5, 4, 8, 6));
    p.setBrush(kInk);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) p.drawEllipse(QRectF(8 + col * 4.5, 13 + row * 4, 2.2, 2.2));
}

void downloadArrow(QPainter &p) {
    tester(p);
    p.setPen(QPen(kArrow, 2.4));
    p.drawLine(QPointF(19, 4), QPointF(19, 12));
    p.setBrush(kArrow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(15, 11), QPointF(23, 11), QPointF(19, 16)}));
}

void folder(QPainter &p) {
    p.setBrush(kFolder);
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(8, 6);
    path.lineTo(10, 8);
    path.lineTo(19, 8);
    path.lineTo(19, 19);
    path.lineTo(2, 19);
    path.closeSubpath();
    p.drawPath(path);
}

void page(QPainter &p, QRectF rect) {
    p.setBrush(kPaper);
    p.drawRect(rect);
    for (qreal y = rect.top() + 3; y < rect.bottom() - 1; y += 3)
        p.drawLine(QPointF(rect.left() + 2, y), QPointF(rect.right() - 2, y));
}

void printer(QPainter &p) {
    page(p, QRectF(7, 2, 10, 9));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2, 10, 20, 9), 2, 2);
    page(p, QRectF(7, 16, 10, 6));
}

void preview(QPainter &p) {
    page(p, QRectF(3, 2, 13, 18));
    p.setBrush(QColor(200, 225, 255, 200));
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(QRectF(11, 10, 8, 8));
    p.drawLine(QPointF(18, 17), QPointF(22, 21));
}

void scissors(QPainter &p) {
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(QPointF(8, 2), QPointF(15, 15));
    p.drawLine(QPointF(16, 2), QPointF(9, 15));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 15, 6, 6));
    p.drawEllipse(QRectF(14, 15, 6, 6));
}

void copies(QPainter &p) {
    page(p, QRectF(3, 2, 11, 14));
    page(p, QRectF(10, 8, 11, 14));
}

void clipboard(QPainter &p) {
    p.setBrush(QColor(170, 120, 60));
    p.drawRoundedRect(QRectF(3, 3, 15, 19), 2, 2);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(7, 1.5, 7, 4));
    page(p, QRectF(10, 9, 11, 13));
}

void questionMark(QPainter &p, QRectF box, int pixelSize) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void about(QPainter &p) {
    p.setBrush(QColor(40, 90, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setPen(Qt::white);
    questionMark(p, QRectF(2, 2, 20, 20), 15);
}

void contextHelp(QPainter &p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(2, 2), QPointF(2, 17), QPointF(6, 13), QPointF(9, 20), QPointF(11, 19),
                             QPointF(8, 12), QPointF(13, 12)}));
    p.setPen(QColor(40, 90, 190));
    questionMark(p, QRectF(11, 2, 12, 16), 14);
}

void identify(QPainter &p) {
    tester(p);
    p.setPen(QColor(40, 90, 190));
    questionMark(p, QRectF(13, 9, 11, 15), 13);
}

void floppy(QPainter &p) {
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(QRectF(3, 3, 18, 18));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 3, 12, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7, 14, 10, 7));
}

}  // namespace

QIcon commandIcon(int id) {
    switch (id) {
    case cmd::kAutotestsDownload: return drawn([](QPainter &p) { downloadArrow(p); badge(p, 'A'); });
    case cmd::kAutotestsOpen: return drawn([](QPainter &p) { folder(p); badge(p, 'A'); });
    case cmd::kGraphsDownload: return drawn([](QPainter &p) { downloadArrow(p); badge(p, 'G'); });
    case cmd::kGraphsOpen: return drawn([](QPainter &p) { folder(p); badge(p, 'G'); });
    case cmd::kFileSave: return drawn(floppy);
    case cmd::kFilePrint: return drawn(printer);
    case cmd::kFilePrintPreview: return drawn(preview);
    case cmd::kEditCut: return drawn(scissors);
    case cmd::kEditCopy: return drawn(copies);
    case cmd::kEditPaste: return drawn(clipboard);
    case cmd::kIdentifyTester: return drawn(identify);
    case cmd::kAppAbout: return drawn(about);
    case cmd::kContextHelp: return drawn(contextHelp);
    default: return {};
    }
}

QIcon applicationIcon() {
    return drawn(tester);
}

}  // namespace quillet
