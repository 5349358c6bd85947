#include "plot_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "autotest_file.h"
#include "graph_plot_document.h"
#include "graph_view.h"
#include "plug_graph.h"
#include "regional.h"
#include "site.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

struct PlotOptions {
    std::string input;
    std::string output;
    int site = 0;
    std::string plug;
    std::string curves;
    std::string size = "1200x900";
};

struct PlotInput {
    model::GraphFile file;
    std::string title;
};

int fail(const std::string &text) {
    std::fprintf(stderr, "quillet-cli: %s\n", text.c_str());
    return 1;
}

std::string lowerExtension(const std::string &path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char &c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The graph file, or the plug's curves of an autotest file; an error text.
std::variant<PlotInput, std::string> readInput(const PlotOptions &options) {
    const std::string extension = lowerExtension(options.input);
    if (extension == ".frt") {
        auto file = model::loadGraphFile(options.input);
        if (!file) return toTerminal(file.error().text());
        return PlotInput{std::move(file.value()), std::filesystem::path(options.input).stem().string()};
    }
    if (extension != ".tat") return options.input + ": a graph file (.frt) or an autotest file (.tat) is plotted";
    if (options.site < 1 || options.plug.empty()) return "an autotest file is plotted with --site N and --plug ID";
    auto file = model::loadAutotestFile<model::CSite>(options.input);
    if (!file) return toTerminal(file.error().text());
    const auto &sites = file.value().sites;
    if (static_cast<std::size_t>(options.site) > sites.size())
        return options.input + " holds " + std::to_string(sites.size()) + " site(s); there is no site " +
               std::to_string(options.site);
    const model::CSite &site = sites[static_cast<std::size_t>(options.site - 1)];
    for (const model::CPrise &plug : site.plugs) {
        if (plug.plugId != options.plug) continue;
        auto graph = graphs::plugGraphAllSlots(site, plug);
        if (!graph) return "plug " + options.plug + " holds no curve";
        return PlotInput{std::move(graph->file), std::move(graph->title)};
    }
    return "site " + std::to_string(options.site) + " has no plug " + options.plug;
}

// Curve numbers from 1, as "1,3,5"; every curve when empty.
std::optional<std::vector<int>> chosenCurves(const std::string &list, int count) {
    std::vector<int> channels;
    if (list.empty()) {
        for (int c = 0; c < count; ++c) channels.push_back(c);
        return channels;
    }
    std::stringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        const int number = std::atoi(item.c_str());
        if (number < 1 || number > count) return std::nullopt;
        channels.push_back(number - 1);
    }
    return channels;
}

std::optional<QSize> parseSize(const std::string &text) {
    int width = 0, height = 0;
    char x = 0;
    std::stringstream in(text);
    if (!(in >> width >> x >> height) || (x != 'x' && x != 'X') || width < 100 || height < 100 || width > 20000 ||
        height > 20000)
        return std::nullopt;
    return QSize(width, height);
}

// Written beside the target and renamed over it once complete.
bool render(const std::string &output, const QSize &size, const plot::PlotModel &model) {
    const std::string extension = lowerExtension(output);
    const QString temporary = QString::fromStdString(output + ".part");
    bool done = false;
    if (extension == ".png") {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            drawPlotPage(painter, QRectF(QPointF(0, 0), QSizeF(size)), model, false, false);
        }
        done = image.save(temporary, "PNG");
    } else if (extension == ".pdf") {
        QPdfWriter writer(temporary);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
        QPainter painter;
        if (painter.begin(&writer)) {
            drawPlotPage(painter, QRectF(painter.viewport()), model, false, false);
            done = painter.end();
        }
    } else if (extension == ".svg") {
        QSvgGenerator generator;
        generator.setFileName(temporary);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (painter.begin(&generator)) {
            painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Qt::white);
            drawPlotPage(painter, QRectF(QPointF(0, 0), QSizeF(size)), model, false, false);
            done = painter.end();
        }
    }
    if (done) done = std::rename(temporary.toLocal8Bit().constData(), output.c_str()) == 0;
    if (!done) std::remove(temporary.toLocal8Bit().constData());
    return done;
}

int runPlot(const PlotOptions &options) {
    const std::string extension = lowerExtension(options.output);
    if (extension != ".png" && extension != ".pdf" && extension != ".svg")
        return fail(options.output + ": the plot is written as .png, .pdf or .svg");
    const auto size = parseSize(options.size);
    if (!size) return fail("--size " + options.size + ": WIDTHxHEIGHT in pixels, from 100x100 to 20000x20000");
    auto input = readInput(options);
    if (auto *error = std::get_if<std::string>(&input)) return fail(*error);
    PlotInput &plotted = std::get<PlotInput>(input);
    const int count = static_cast<int>(plotted.file.curves.size());
    const auto channels = chosenCurves(options.curves, count);
    if (!channels) return fail("--curves " + options.curves + ": curve numbers from 1 to " + std::to_string(count));
    if (channels->size() > 30)
        std::fprintf(stderr, "quillet-cli: %zu curves; the plot shows the first 30 (choose with --curves)\n",
                     channels->size());

    // A file is drawn without any display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "quillet-cli";
    char *argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    graphs::GraphPlotDocument document(plotted.file, plotted.title, programRegional());
    plot::PlotModel model(document, NumberFormat(programRegional().decimal));
    graphs::showCurves(model, *channels);
    if (!render(options.output, *size, model)) return fail(options.output + ": the plot could not be written");
    return 0;
}

}  // namespace

void addPlotCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<PlotOptions>();
    CLI::App *cmd = app.add_subcommand(
        "plot", "Draw the curves of a graph file, or of one plug of an autotest file, into a picture (no display needed)");
    cmd->add_option("input", options->input, "Graph file (.frt), or autotest file (.tat) with --site and --plug")
        ->required();
    cmd->add_option("-o,--output", options->output, "Picture to write: .png, .pdf or .svg")->required();
    cmd->add_option("--site", options->site, "Site of an autotest file, from 1");
    cmd->add_option("--plug", options->plug, "Plug identifier of an autotest file's site");
    cmd->add_option("--curves", options->curves, "Curve numbers from 1, as \"1,3\" (at most 30; default: all)");
    cmd->add_option("--size", options->size, "Picture size in pixels, WIDTHxHEIGHT (PNG and SVG)")
        ->capture_default_str();
    cmd->callback([options, &exitCode] { exitCode = runPlot(*options); });
}

}  // namespace quillet::cli
