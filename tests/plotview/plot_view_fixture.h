// A plot window on the test document, offscreen, with a message recorder.
#pragma once

#include <QImage>

#include "graph_frame.h"
#include "graph_view.h"
#include "shell_fixture.h"
#include "test_plot_document.h"

namespace quillet::test {

class PlotViewTest : public ShellTest {
protected:
    TestPlotDocument doc;
    CGraphView *view = nullptr;
    std::unique_ptr<CGraphFrame> frame;

    // Two curves on scale 1 (a ramp and a sine), two on scale 2.
    void openTwoScales() {
        doc.add("Ramp", 200, 1, 101, [](double x) { return x; });
        doc.add("Sine", 400, 1, 101, [](double x) { return 40 + 30 * std::sin(x / 8); });
        doc.add("Square", 100, 1, 101, [](double x) { return (static_cast<int>(x / 10) % 2) ? 5.0 : -5.0; });
        doc.add("Decay", 300, 1, 101, [](double x) { return 10 * std::exp(-x / 30); });
        open({{0, 1}, {1, 1}, {2, 2}, {3, 2}});
    }

    void open(const std::vector<plot::ChannelChoice> &choices) {
        view = new CGraphView(doc);
        view->setPrompt(&prompt);
        view->model().takeTitleFromDocument();
        view->assignChannels(choices);
        frame = std::make_unique<CGraphFrame>(view);
        frame->resize(1400, 800);
        frame->show();
        waitUntil([&] { return frame->isVisible(); });
    }

    static int countColour(const QImage &image, QRect area, QColor colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
        }
        return n;
    }

    static void save(const QImage &image, const QString &name) {
        QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
        image.save(QStringLiteral(QUILLET_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
    }

};

}  // namespace quillet::test
