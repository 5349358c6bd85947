// CGraphView: the plot window of a document. It reads the document through
// plot::PlotDocument, keeps a plot::PlotModel, draws with the one plot draw
// routine, and handles the plot commands, the mouse and the keys.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "command_target.h"
#include "legend_lines.h"
#include "plot_model.h"
#include "plot_painter.h"
#include "user_interaction.h"

class QPrinter;

namespace quillet {

// How a plot is drawn onto a device.
struct DrawPlotOptions {
    bool monochrome = false;  // black, line styles as dash patterns
    bool compact = false;     // the plot area alone, no bands (small plots of a report)
    QRectF repaint;           // only the bands meeting it (empty: all)
};

// The draw routine of every plot: lays `model` out for `target` and paints
// it there. The report draws its small plots with it, the view its screen,
// printed page, preview, PDF and images.
void drawPlot(QPainter &painter, const QRectF &target, const plot::PlotModel &model,
              const DrawPlotOptions &options = {});

// A plot page: the plot in the upper part and the legend lines below it.
void drawPlotPage(QPainter &painter, const QRectF &page, const plot::PlotModel &model, bool monochrome,
                  bool showStatistics = true);

// The thirty slot colours of the generic view, from the profile section
// "Graphique" (keys "CouleurCourbe1".."30"), the defaults where missing.
std::vector<plot::Rgb> profileCurveColours();
void writeProfileCurveColour(int slot, plot::Rgb colour);

class CGraphView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    explicit CGraphView(const plot::PlotDocument &document, QWidget *parent = nullptr);

    plot::PlotModel &model() { return model_; }
    const plot::PlotModel &model() const { return model_; }
    // Messages go there (message boxes on screen unless a test sets one).
    void setPrompt(UserPrompt *prompt) { prompt_ = prompt; }

    // First display: title and comment from the document, then the channel
    // selection; false when no curve was chosen (the frame then closes).
    bool initialUpdate();
    // A document update without hint: reset and channel information again.
    void documentChanged();
    // Curve selection; the base runs dialog 12000. False when cancelled.
    virtual bool selectChannels();
    // Slot colours the view starts with: the profile's (a graph view gives
    // its own cycle).
    virtual std::vector<plot::Rgb> slotColours() const { return profileCurveColours(); }
    // Fills the slots from `choices` with slotColours() and resets the view.
    void assignChannels(const std::vector<plot::ChannelChoice> &choices);

    // Drawing.
    QImage renderImage(QSize size, bool monochrome = false) const;
    // The view's client area as the copy puts it on the clipboard: the
    // plot with a one-pixel frame along its edges.
    QImage plotBitmap() const;
    void print(QPrinter &printer) const;
    void printPreview();
    QRectF plotDeviceRect() const;

    // Legend.
    std::vector<plot::LegendLine> legendLines(bool monochrome = false) const;
    QString legendText() const;
    void selectCurve(int slot);
    // Copy: the graphic, the legend or both on the clipboard.
    void copyToClipboard(bool graphic, bool legend);

    // Commands of the plot (CommandTarget).
    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void onCommand(int id) override;

signals:
    // The legend pane must be built again (curves, markers, statistics).
    void legendChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    plot::Point logicalAt(QPointF devicePoint) const;
    void plotChanged(bool legendToo = true);
    void message(const std::string &text, MessageIcon icon);
    void onTitleDialog();
    void onSetScales();
    void onCurveColour();
    void onCopy();
    void onZoom();
    void onAddFixedMarker();
    void onTemplateShow();
    void editTemplate();

    plot::PlotModel model_;
    UserPrompt *prompt_ = nullptr;
};

}  // namespace quillet
