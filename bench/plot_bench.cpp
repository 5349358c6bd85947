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
#include <ctime>
#include <functional>
#include <vector>

#include "graph_view.h"
#include "plot_scales.h"
#include "test_plot_document.h"

namespace {

using quillet::test::TestPlotDocument;

// The processor time of this thread: on a busy machine the wall clock
// also counts the time other programs had the processor.
double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timing {
    double wall, cpu;
};

Timing medianMs(int runs, const std::function<void()> &work) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadMs();
        work();
        cpu.push_back(threadMs() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
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

Timing redrawMs(int points, int runs) {
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
    const Timing small = redrawMs(400, 50);
    std::printf("full redraw, 30 curves x 400 points, 1600x1000: median %.2f ms wall, %.2f ms processor (target 16 ms)\n",
                small.wall, small.cpu);
    const Timing large = redrawMs(100000, 50);
    std::printf("full redraw, 30 curves x 100000 points, thinned: median %.2f ms wall, %.2f ms processor (target 50 ms)\n",
                large.wall, large.cpu);
    std::printf("redraw growth with the points of each curve (wall, processor):\n");
    for (const int points : {1000, 10000, 30000, 100000, 300000}) {
        const Timing t = redrawMs(points, 21);
        std::printf("  %7d points: %.2f ms, %.2f ms\n", points, t.wall, t.cpu);
    }
    TestPlotDocument doc;
    fill(doc, 100000);
    quillet::plot::PlotModel model(doc);
    model.assignChannels(allChannels());
    const Timing scales = medianMs(21, [&] {
        quillet::plot::computeStatistics(doc, model.state());
        quillet::plot::autoScale(doc, model.state());
    });
    std::printf("automatic scales and statistics, 30 x 100000 values: median %.2f ms wall, %.2f ms processor "
                "(target 10 ms)\n", scales.wall, scales.cpu);
    return 0;
}
