// Download speed of the tester's graphs through the graph download, as
// quillet-cli and Graphs > Download run it: listing, the site's standard,
// every graph's sections decoded and a limit curve per kind, from the
// simulated tester pacing its replies as a 115200 baud line would.
//
//   graph_download_bench [--graphs N] [--plugs N] [--baud B]
#include <string>

#include "graph_download.h"
#include "paced_download.h"

int main(int argc, char **argv) {
    bench::Settings settings = bench::parse(argc, argv);
    if (settings.graphs == 0) settings.graphs = 40;
    if (settings.plugs == 100) settings.plugs = 10;  // the plugs are not read; fewer start faster
    return bench::runPaced("graph_download_bench", settings, [] {
        bench::Unattended ui;
        const auto lines = quillet::graphs::listTesterGraphs(ui, quillet::Regional{});
        const auto download = quillet::graphs::downloadGraphs(lines.value_or(std::vector<std::string>{}), ui);
        std::size_t points = 0;
        const std::size_t curves = download ? download->file.curves.size() : 0;
        if (download)
            for (const auto &curve : download->file.curves) points += static_cast<std::size_t>(curve.values.GetSize());
        return std::to_string(lines ? lines->size() : 0) + " graphs listed, " + std::to_string(curves) +
               " curves with limit curves, " + std::to_string(points) + " points";
    });
}
