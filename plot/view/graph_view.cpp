#include "graph_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "curve_colours.h"
#include "message_prompt.h"
#include "plot_commands.h"
#include "plot_layout.h"
#include "plot_texts.h"
#include "profile_settings.h"
#include "quillet_strings.h"
#include "regional.h"

namespace quillet {

void drawPlot(QPainter &painter, const QRectF &target, const plot::PlotModel &model, const DrawPlotOptions &options) {
    plot::LayoutOptions layout;
    layout.deviceWidth = target.width();
    layout.monochrome = options.monochrome;
    layout.compact = options.compact;
    const plot::PlotScene scene = plot::layoutPlot(model.document(), model.state(), model.format(), layout);
    drawPlotScene(painter, target, scene, {options.repaint});
}

std::vector<plot::Rgb> profileCurveColours() {
    const Profile profile;
    std::vector<plot::Rgb> colours;
    for (int s = 0; s < plot::kSlotCount; ++s) {
        const QString key = QString::fromStdString(plot::curveColourKey(s));
        const QString section = QString::fromLatin1(plot::kColourSection);
        bool ok = false;
        const long value = profile.readString(section, key).toLong(&ok);
        colours.push_back(ok && profile.contains(section, key) ? plot::Rgb::fromColorRef(value)
                                                               : plot::defaultCurveColour(s));
    }
    return colours;
}

void writeProfileCurveColour(int slot, plot::Rgb colour) {
    Profile profile;
    profile.writeString(QString::fromLatin1(plot::kColourSection), QString::fromStdString(plot::curveColourKey(slot)),
                        QString::number(colour.toColorRef()));
}

CGraphView::CGraphView(const plot::PlotDocument &document, QWidget *parent)
    : QWidget(parent), model_(document, NumberFormat(programRegional().decimal)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 140);
}

bool CGraphView::initialUpdate() {
    model_.takeTitleFromDocument();
    if (!selectChannels() || model_.state().filledCount() == 0) return false;
    return true;
}

void CGraphView::documentChanged() {
    model_.reset();
    plotChanged();
}

void CGraphView::assignChannels(const std::vector<plot::ChannelChoice> &choices) {
    const std::vector<plot::Rgb> colours = slotColours();
    model_.assignChannels(choices, colours);
    plotChanged();
}

void CGraphView::selectCurve(int slot) {
    model_.selectCurve(slot);
    plotChanged();
}

QRectF CGraphView::plotDeviceRect() const {
    return PlotMapping(QRectF(rect())).toDevice(model_.geometry().plot).adjusted(-1, -1, 1, 1);
}

plot::Point CGraphView::logicalAt(QPointF devicePoint) const { return PlotMapping(QRectF(rect())).toLogical(devicePoint); }

void CGraphView::plotChanged(bool legendToo) {
    update();
    if (legendToo) emit legendChanged();
}

void CGraphView::message(const std::string &text, MessageIcon icon) {
    QtUserPrompt screen(this);
    UserPrompt &prompt = prompt_ ? *prompt_ : static_cast<UserPrompt &>(screen);
    prompt.show(appTitle().toStdString(), text, icon, MessageButtons::Ok);
}

QImage CGraphView::renderImage(QSize size, bool monochrome) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), model_, DrawPlotOptions{monochrome, false, {}});
    return image;
}

QImage CGraphView::plotBitmap() const {
    QImage image = renderImage(size());
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    return image;
}

std::vector<plot::LegendLine> CGraphView::legendLines(bool monochrome) const {
    return plot::legendLines(model_.document(), model_.state(), model_.format(), monochrome);
}

QString CGraphView::legendText() const { return QString::fromStdString(plot::legendText(legendLines())); }

void CGraphView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    drawPlot(painter, QRectF(rect()), model_, {false, false, QRectF(event->rect())});
}

void CGraphView::mousePressEvent(QMouseEvent *event) {
    if (model_.state().filledCount() == 0) return;
    if (event->button() == Qt::RightButton) {
        if (model_.globalView()) plotChanged();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    plot::PlotState &state = model_.state();
    if (state.placingTemplate) {  // the template stays where the pointer left it
        state.placingTemplate = false;
        return;
    }
    model_.pressAt(logicalAt(event->position()));
    update(plotDeviceRect().toRect());
}

void CGraphView::mouseMoveEvent(QMouseEvent *event) {
    plot::PlotState &state = model_.state();
    if (state.placingTemplate && !state.gabarit.points().empty()) {
        const plot::PlotGeometry g = model_.geometry();
        const plot::Point p = logicalAt(event->position());
        const plot::GabaritPoint &first = state.gabarit.GetAt(0);
        const double lower = first.lower == plot::kUndefinedLimit ? first.upper : first.lower;
        state.gabaritShift = {g.fromX(p.x) + state.origin - first.x, g.fromY(1, p.y) - lower};
        update(plotDeviceRect().toRect());
        return;
    }
    if (model_.dragTo(logicalAt(event->position()), event->modifiers() & Qt::ShiftModifier)) {
        update(plotDeviceRect().toRect());
    }
}

void CGraphView::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasZoomed = model_.state().zoomed;
    const plot::PlotWindow before = model_.state().window;
    if (!model_.release()) return;
    const bool zoomedNow = model_.state().zoomed && (!wasZoomed || !(before == model_.state().window));
    plotChanged(zoomedNow);
}

void CGraphView::keyPressEvent(QKeyEvent *event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: onZoom(); return;
    case Qt::Key_Escape: changed = model_.eraseRectangle(); break;
    case Qt::Key_Home: changed = model_.globalView(); break;
    case Qt::Key_Left: changed = model_.stepHorizontal(-1, shift); break;
    case Qt::Key_Right: changed = model_.stepHorizontal(1, shift); break;
    case Qt::Key_Up: changed = model_.stepVertical(1, shift); break;
    case Qt::Key_Down: changed = model_.stepVertical(-1, shift); break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (changed) plotChanged();
}

void CGraphView::onZoom() {
    if (model_.zoomOnRectangle() == plot::ZoomResult::NothingDrawn) {
        QApplication::beep();
        message(std::string(resourceString(plot::texts::kZoomHelp)) + resourceString(plot::texts::kZoomHelpRightButton),
                MessageIcon::Information);
        return;
    }
    plotChanged();
}

void CGraphView::onAddFixedMarker() {
    if (model_.addFixedMarker() == plot::FixedMarkerResult::AllUsed) {
        QApplication::beep();
        message(formatResource(plot::texts::kFixedMarkersMax, std::to_string(plot::kFixedMarkerCount)),
                MessageIcon::Exclamation);
        return;
    }
    plotChanged();
}

}  // namespace quillet
