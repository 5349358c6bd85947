// Plot timings on a release build: a full redraw of 30 curves of 400 points
// into a 1600 × 1000 image, the same with 100,000 points a curve (thinned),
// how the redraw grows with the points, and the automatic scales with the
// statistics of 30 × 100,000 values. Medians of repeated runs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "graph_view.h"
#include "plot_scales.h"
#include "test_plot_document.h"

namespace {

using quillet::test::TestPlotDocument;

double medianMs(int runs, const std::function<void()> &work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(TestPlotDocument &doc, int points) {
    doc.channels.clear();
    for (int c = 0; c < 30; ++c) {
        doc.add("curve " + std::to_string(c), points, 1, 250,
                [c](double x) { return -10 - c - 20 * std::log10(x) + 3 * std::sin(x * (c + 1) / 7); });
    }
}

std::vector<quillet::plot::ChannelChoice> allChannels() {
    std::vector<quillet::plot::ChannelChoice> choices;
    for (int c = 0; c < 30; ++c) choices.push_back({c, c < 20 ? 1 : 2});
    return choices;
}

double redrawMs(int points, int runs) {
    TestPlotDocument doc;
    fill(doc, points);
    quillet::plot::PlotModel model(doc);
    model.assignChannels(allChannels());
    QImage image(1600, 1000, QImage::Format_RGB32);
    return medianMs(runs, [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        quillet::drawPlot(painter, QRectF(0, 0, 1600, 1000), model);
    });
}

}  // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    std::printf("full redraw, 30 curves x 400 points, 1600x1000: median %.2f ms (target 16 ms)\n", redrawMs(400, 50));
    std::printf("full redraw, 30 curves x 100000 points, thinned: median %.2f ms (target 50 ms)\n",
                redrawMs(100000, 50));
    std::printf("redraw growth with the points of each curve:\n");
    for (const int points : {1000, 10000, 30000, 100000, 300000}) {
        std::printf("  %7d points: %.2f ms\n", points, redrawMs(points, 21));
    }
    TestPlotDocument doc;
    fill(doc, 100000);
    quillet::plot::PlotModel model(doc);
    model.assignChannels(allChannels());
    const double scales = medianMs(21, [&] {
        quillet::plot::computeStatistics(doc, model.state());
        quillet::plot::autoScale(doc, model.state());
    });
    std::printf("automatic scales and statistics, 30 x 100000 values: median %.2f ms (target 10 ms)\n", scales);
    return 0;
}
