// The graph window offscreen (plot and legend pane, saved as a screenshot)
// and quillet-cli plot writing a PNG of the same plot.
#include <QImage>
#include <QProcess>
#include <filesystem>
#include <fstream>

#include "curve_colours.h"
#include "graph_document_factory.h"
#include "graph_frame.h"
#include "grph_frame.h"
#include "graph_plot_document.h"
#include "graph_view.h"
#include "grph_view.h"
#include "shell_fixture.h"

namespace {

using namespace quillet;
using namespace quillet::graphs;

model::GraphFile demoLikeFile() {
    model::GraphFile file;
    file.representationTitle = "BLDG A FL2:2A-04";
    for (int c = 0; c < 3; ++c) {
        model::CGrphMes curve;
        curve.title = c == 0 ? "TIA Cat 6 Perm. Link:Limit: " : "BLDG A FL2:2A-04:12/36";
        curve.limitFlag = c == 0 ? 1 : 0;
        curve.verdictCode = c == 0 ? -1 : 3;
        for (int i = 1; i <= 250; ++i) {
            curve.frequencies.Add(static_cast<float>(i));
            curve.values.Add(static_cast<float>(30 + 10 * c + 20.0 / i));
        }
        file.curves.push_back(curve);
    }
    return file;
}

QString screenshotPath(const char *name) {
    QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
    return QStringLiteral(QUILLET_SCREENSHOT_DIR "/") + QString::fromLatin1(name);
}

class GraphWindow : public test::ShellTest {};

TEST_F(GraphWindow, PlotAndLegendPaneShowTheDocumentsCurves) {
    const model::GraphFile file = demoLikeFile();
    GraphPlotDocument doc(file, "demo.frt", Regional{});
    auto *view = new CGrphView(doc);
    view->setPrompt(&prompt);
    ASSERT_TRUE(view->showDocumentCurves());
    CGraphFrame frame(view);
    frame.resize(1200, 700);
    frame.show();
    test::waitUntil([&] { return frame.isVisible(); });
    EXPECT_TRUE(view->model().state().inverted);
    EXPECT_EQ(view->model().state().filledCount(), 3);
    const QImage shot = frame.grab().toImage();
    shot.save(screenshotPath("graph_window.png"));
    // The second curve in the second colour of the graph cycle.
    const plot::Rgb first = plot::graphCurveColour(1);
    const QColor colour(first.red, first.green, first.blue);
    int found = 0;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2) found += shot.pixelColor(x, y) == colour ? 1 : 0;
    }
    EXPECT_GT(found, 20);
}

TEST_F(GraphWindow, CommandLinePlotWritesAPictureOfTheAskedSize) {
    const auto dir = std::filesystem::path(QUILLET_SCREENSHOT_DIR) / "cli-plot";
    std::filesystem::create_directories(dir);
    const auto frt = (dir / "curves.frt").string();
    const auto png = (dir / "curves.png").string();
    std::filesystem::remove(png);
    ASSERT_TRUE(model::saveGraphFile(frt, demoLikeFile()));
    QProcess cli;
    cli.start(QStringLiteral(QUILLET_CLI), {QStringLiteral("plot"), QString::fromStdString(frt), QStringLiteral("-o"),
                                             QString::fromStdString(png), QStringLiteral("--size"),
                                             QStringLiteral("800x600"), QStringLiteral("--curves"),
                                             QStringLiteral("1,2")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    // The second curve in its colour.
    auto count = [&](plot::Rgb rgb) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == QColor(rgb.red, rgb.green, rgb.blue);
        }
        return n;
    };
    EXPECT_GT(count(plot::graphCurveColour(1)), 20);

    // A bad curve number writes nothing.
    std::filesystem::remove(png);
    cli.start(QStringLiteral(QUILLET_CLI), {QStringLiteral("plot"), QString::fromStdString(frt), QStringLiteral("-o"),
                                             QString::fromStdString(png), QStringLiteral("--curves"),
                                             QStringLiteral("4")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_NE(cli.exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(png));
}

TEST_F(GraphWindow, GraphsOpenShowsAFileAndRefusesAnotherKind) {
    const auto dir = std::filesystem::path(QUILLET_SCREENSHOT_DIR) / "graphs-open";
    std::filesystem::create_directories(dir);
    const auto frt = (dir / "curves.frt").string();
    ASSERT_TRUE(model::saveGraphFile(frt, demoLikeFile()));
    GraphDocumentFactory factory([this] { return TesterLinkContext{prompt, {}, "D.06"}; }, prompt);
    std::unique_ptr<QWidget> window(factory.open(QString::fromStdString(frt), nullptr));
    ASSERT_NE(window, nullptr);
    auto *frame = static_cast<CGrphFrame *>(window.get());
    EXPECT_EQ(frame->document().file.curves.size(), 3u);
    EXPECT_EQ(frame->view()->model().state().filledCount(), 3);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("BLDG A FL2:2A-04"));

    // A standards file under the graph extension: the message, no window.
    const auto wrong = (dir / "standard.frt").string();
    {
        std::ofstream out(wrong, std::ios::binary);
        const std::string header = "Quillet\tvD.06\tDocument Norme";
        out << static_cast<char>(header.size()) << header;
    }
    prompt.expect(MessageResult::Ok);
    EXPECT_EQ(factory.open(QString::fromStdString(wrong), nullptr), nullptr);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_NE(prompt.shown.front().text.find("Unable to read the file"), std::string::npos) << prompt.shown.front().text;
}

TEST_F(GraphWindow, PlugCurvesOpenOnlyForASlotThePlugHolds) {
    model::CSite site;
    site.name = "SITE";
    model::CPrise plug;
    plug.plugId = "P1";
    plug.curvesOfSlot(1)->push_back(demoLikeFile().curves.front());
    std::unique_ptr<QWidget> window(openPlugCurves(site, plug, 1, prompt, nullptr));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("SITE:P1"));
    prompt.expect(MessageResult::Ok);
    EXPECT_EQ(openPlugCurves(site, plug, 2, prompt, nullptr), nullptr);
}

}  // namespace
