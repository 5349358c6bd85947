#include "paced_download.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "demo_sites.h"
#include "demo_standards.h"
#include "simulator.h"
#include "torvlink.h"

namespace bench {
namespace {

using namespace torvik::sim;

// The demo unit with one site in it: a Cat 5e floor of good links, every
// plug with its 36 curves, and the graphs asked for.
Unit benchUnit(int plugs, int graphs) {
    Unit unit = demoUnit();
    const auto standards = demoStandards(40);
    CopperSitePlan plan{"BENCH FLOOR", demo::kCat5ePermanentLink, 1, 0, 700, 1710230700, plugs,
                        "BF", 1, 5.0, 60.0, true, {}, {}};
    for (int g = 0; g < graphs; ++g)
        plan.graphs.push_back({g % plugs, static_cast<Kind>(g % 8), static_cast<Side>((g / 8) % 2),
                               static_cast<uint8_t>(g % 4)});
    const DemoUncertainties u{4.0, 25.0, 10.0, 0.2, 5.0, 0.2};
    unit.sites = {copperSite(plan, standards[demo::kCat5ePermanentLink], u, {"12", "36", "45", "78"}, 7)};
    return unit;
}

}  // namespace

Settings parse(int argc, char **argv) {
    Settings settings;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--plugs") == 0)
            settings.plugs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--baud") == 0)
            settings.baud = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--graphs") == 0)
            settings.graphs = std::atoi(argv[i + 1]);
    }
    return settings;
}

int runPaced(const char *program, const Settings &settings, const std::function<std::string()> &download) {
    Options options;
    options.paceBaud = settings.baud;
    Simulator tester(benchUnit(settings.plugs, settings.graphs), options);
    std::string error;
    if (!tester.start(&error)) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    TorvlinkSetPortDevice(1, tester.devicePath().c_str());
    if (TorvikCommOpen(1, settings.baud, 'n', 8, 1, 'n') != 0) {
        std::fprintf(stderr, "%s: the link did not open\n", program);
        return 1;
    }
    tester.clearTrace();
    const auto start = std::chrono::steady_clock::now();
    const std::string what = download();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::size_t toTester = tester.received().size();
    const std::size_t fromTester = tester.sent().size();
    TorvikCommClose();
    tester.stop();

    const double minimum = static_cast<double>(toTester + fromTester) * 10.0 / settings.baud;
    const double replies = static_cast<double>(fromTester) * 10.0 / settings.baud;
    std::printf("read                 %s\n", what.c_str());
    std::printf("bytes host -> tester %zu\n", toTester);
    std::printf("bytes tester -> host %zu\n", fromTester);
    std::printf("elapsed              %.3f s\n", seconds);
    std::printf("line minimum         %.3f s (both directions at %d baud)\n", minimum, settings.baud);
    std::printf("ratio                %.3f (%.3f against the replies alone)\n", seconds / minimum,
                seconds / replies);
    return 0;
}

}  // namespace bench
