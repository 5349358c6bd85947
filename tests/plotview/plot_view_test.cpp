// CGraphView offscreen: the two-scale plot, zoom and markers by mouse and
// by command, the monochrome printed page, the clipboard copy and the
// profile's curve colours.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "curve_colours.h"
#include "graph_list_view.h"
#include "plot_dialogs.h"
#include "plot_commands.h"
#include "plot_view_fixture.h"

namespace quillet::test {
namespace {

QColor colourOf(plot::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void mouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), modifiers);
    QApplication::sendEvent(widget, &event);
}

TEST_F(PlotViewTest, TwoScalesDrawScaleOneAboveAndScaleTwoBelow) {
    openTwoScales();
    const QImage image = view->renderImage(QSize(1600, 1000));
    save(image, "plot_two_scales");
    const plot::PlotState &state = view->model().state();
    ASSERT_TRUE(state.twoScales);
    const PlotMapping map(QRectF(0, 0, 1600, 1000));
    const QRect plot = map.toDevice(view->model().geometry().plot).toRect();
    const QRect upper(plot.left(), plot.top(), plot.width(), plot.height() / 2 - 10);
    const QRect lower(plot.left(), plot.center().y() + 10, plot.width(), plot.height() / 2 - 10);
    // Sine (scale 1) lies in the upper half, Decay (scale 2) in the lower one.
    const QColor sine = colourOf(state.curves[1].colour), decay = colourOf(state.curves[3].colour);
    EXPECT_GT(countColour(image, upper, sine), 200);
    EXPECT_EQ(countColour(image, lower, sine), 0);
    EXPECT_GT(countColour(image, lower, decay), 100);
    EXPECT_EQ(countColour(image, upper, decay), 0);
    // The frame of the plot area is black.
    EXPECT_GT(countColour(image, QRect(plot.left() + plot.width() / 3, plot.top() - 1, 1, 3), Qt::black), 0);
    saveScreenshot(frame.get(), "plot_window_two_scales");
}

TEST_F(PlotViewTest, ZoomAndMarkersByMouseAndCommand) {
    openTwoScales();
    const plot::PlotState &state = view->model().state();
    // X marker, two steps right, a fixed marker; then a second one further on.
    view->onCommand(cmd::kGraphXMarker);
    ASSERT_TRUE(view->isCommandChecked(cmd::kGraphXMarker));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    for (int i = 0; i < 60; ++i) QApplication::sendEvent(view, &right);
    EXPECT_EQ(state.markerIndex, 60);
    view->onCommand(cmd::kGraphFixedMarker);
    for (int i = 0; i < 50; ++i) QApplication::sendEvent(view, &right);
    view->onCommand(cmd::kGraphFixedMarker);
    EXPECT_EQ(state.fixedMarkers[1].number, 2);

    // Free marker and a SHIFT drag over the middle of the plot: zoomed at release.
    view->onCommand(cmd::kGraphFreeMarker);
    const QRectF plot = view->plotDeviceRect();
    const QPointF from(plot.left() + plot.width() * 0.3, plot.top() + plot.height() * 0.15);
    const QPointF to(plot.left() + plot.width() * 0.6, plot.top() + plot.height() * 0.45);
    mouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::ShiftModifier);
    mouse(view, QEvent::MouseMove, to, Qt::NoButton, Qt::ShiftModifier);
    mouse(view, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_TRUE(state.zoomed);
    EXPECT_LT(state.window.x.span(), state.global.x.span() * 0.4);
    EXPECT_GT(state.curves[0].first, 0);  // statistics over the window

    view->onCommand(cmd::kGraphXMarker);
    QApplication::sendEvent(view, &right);
    const QString legend = view->legendText();
    EXPECT_TRUE(legend.contains(QStringLiteral("Markers:\r\n 01-")));
    EXPECT_TRUE(legend.contains(QStringLiteral("Statistics:")));
    ASSERT_GT(frame->legendPane()->count(), 10);
    saveScreenshot(frame.get(), "plot_window_zoomed_markers");
    const QImage image = view->renderImage(QSize(1600, 1000));
    save(image, "plot_zoomed_markers");

    // The right button goes back to the global view.
    mouse(view, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::NoModifier);
    EXPECT_FALSE(state.zoomed);
    EXPECT_EQ(state.window, state.global);
}

TEST_F(PlotViewTest, ZoomWithNothingDrawnExplainsHowAndElevenFixedMarkersAreRefused) {
    openTwoScales();
    prompt.expect(MessageResult::Ok);
    view->onCommand(cmd::kPlotZoom);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(prompt.shown[0].text.starts_with("To zoom in, hold SHIFT"));
    EXPECT_TRUE(prompt.shown[0].text.ends_with("\n\nA right mouse button click will display the normal view."));
    view->onCommand(cmd::kGraphXMarker);
    for (int i = 0; i < plot::kFixedMarkerCount; ++i) view->onCommand(cmd::kGraphFixedMarker);
    prompt.expect(MessageResult::Ok);
    view->onCommand(cmd::kGraphFixedMarker);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, "Up to 10 fixed markers as a maximum");
    EXPECT_EQ(prompt.shown[1].icon, MessageIcon::Exclamation);
}

TEST_F(PlotViewTest, MonochromePrintPageIsBlackAndWhite) {
    openTwoScales();
    view->onCommand(cmd::kPlotGridLines);
    QImage page(2339, 1654, QImage::Format_RGB32);  // A4 landscape at 200 dots per inch
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        drawPlotPage(painter, QRectF(page.rect()).adjusted(60, 60, -60, -60), view->model(), true);
    }
    save(page, "plot_print_monochrome");
    int dark = 0;
    for (int y = 0; y < page.height(); y += 2) {
        for (int x = 0; x < page.width(); x += 2) {
            const QColor c = page.pixelColor(x, y);
            ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
            dark += c.red() < 128;
        }
    }
    EXPECT_GT(dark, 2000);

    // The printer path: a grey-scale PDF through the same routine.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setColorMode(QPrinter::GrayScale);
    const QString pdf = QStringLiteral(QUILLET_SCREENSHOT_DIR "/plot_print.pdf");
    QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
    printer.setOutputFileName(pdf);
    view->print(printer);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST_F(PlotViewTest, CopyPutsTheBitmapAndTheLegendOnTheClipboard) {
    openTwoScales();
    view->copyToClipboard(true, true);
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    ASSERT_TRUE(data->hasImage());
    const QImage bitmap = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(bitmap.size(), view->size());
    EXPECT_EQ(bitmap.pixelColor(0, bitmap.height() / 2), QColor(Qt::black));  // the one-pixel frame
    EXPECT_EQ(bitmap.pixelColor(bitmap.width() - 1, 5), QColor(Qt::black));
    EXPECT_EQ(data->text(), view->legendText());
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("Legend:\r\n\u00BBRamp - V (1)\r\n")));

    // Through dialog 12060: the legend only.
    QApplication::clipboard()->clear();
    onNextModal(view, [](QWidget *dialog) {
        auto *copy = qobject_cast<CCopyDlg *>(dialog);
        ASSERT_TRUE(copy);
        copy->choose(false, true);
        copy->accept();
    });
    view->onCommand(cmd::kEditCopy);
    const QMimeData *legendOnly = QApplication::clipboard()->mimeData();
    EXPECT_FALSE(legendOnly->hasImage());
    EXPECT_EQ(legendOnly->text(), view->legendText());
}

TEST_F(PlotViewTest, CurveColoursComeFromTheProfile) {
    writeProfileCurveColour(2, plot::Rgb{1, 2, 3});
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Olbrin Applications"),
                             QStringLiteral("Quillet"));
    EXPECT_EQ(settings.value(QStringLiteral("Graphique/CouleurCourbe3")).toString(), QStringLiteral("197121"));
    const auto colours = profileCurveColours();
    ASSERT_EQ(colours.size(), 30u);
    EXPECT_EQ(colours[2], (plot::Rgb{1, 2, 3}));
    EXPECT_EQ(colours[0], plot::defaultCurveColour(0));
    openTwoScales();
    EXPECT_EQ(view->model().state().curves[2].colour, (plot::Rgb{1, 2, 3}));
}

TEST_F(PlotViewTest, LegendClickSelectsTheCurveAndCommandsFollowTheState) {
    openTwoScales();
    CGraphListView *legend = frame->legendPane();
    QListWidgetItem *third = legend->item(3);
    ASSERT_TRUE(third->text().contains(QStringLiteral("Square")));
    emit legend->itemClicked(third);
    EXPECT_EQ(view->model().state().selected, 2);
    EXPECT_TRUE(legend->item(3)->text().startsWith(QStringLiteral("\u00BB")));
    EXPECT_FALSE(view->isCommandEnabled(cmd::kPlotGlobalView));
    EXPECT_FALSE(view->isCommandEnabled(cmd::kGraphFixedMarker));
    view->onCommand(cmd::kPlotHideOthers);
    EXPECT_FALSE(view->model().state().curves[0].visible);
    view->onCommand(cmd::kPlotShowAll);
    EXPECT_TRUE(view->model().state().curves[0].visible);
    view->onCommand(cmd::kPlotStatistics);
    EXPECT_FALSE(view->legendText().contains(QStringLiteral("Statistics:")));
    EXPECT_TRUE(frame->handlesCommand(cmd::kPlotTemplateShow));
}

}  // namespace
}  // namespace quillet::test
