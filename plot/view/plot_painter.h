// The one routine that draws a plot: on the screen, the printer, the print
// preview, a PDF and an offscreen image alike. It walks the primitives of a
// plot layout and maps the 2700 × 1800 logical space onto a rectangle of the
// device.
#pragma once

#include <QRectF>

#include "plot_scene.h"

class QPainter;
class QPaintDevice;

namespace quillet {

struct PlotPaintOptions {
    // Only primitives of the bands that meet this device rectangle are
    // drawn; empty: everything.
    QRectF repaint;
};

// Maps between the logical space and a device rectangle (y upwards in the
// logical space, downwards on the device).
class PlotMapping {
public:
    explicit PlotMapping(const QRectF &target) : target_(target) {}
    QPointF toDevice(plot::Point p) const;
    plot::Point toLogical(QPointF p) const;
    QRectF toDevice(const plot::Rect &r) const;
    double pixelsPerUnitY() const { return target_.height() / plot::kLogicalHeight; }
    const QRectF &target() const { return target_; }

private:
    QRectF target_;
};

void drawPlotScene(QPainter &painter, const QRectF &target, const plot::PlotScene &scene,
                   const PlotPaintOptions &options = {});

// Whether a device is drawn in black and white (1 or 2 colours).
bool isMonochromeDevice(const QPaintDevice &device);

}  // namespace quillet
