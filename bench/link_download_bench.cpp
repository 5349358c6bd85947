// Download speed of libtorvlink: every section of one site of 100 plugs
// with their curves, read as the desktop program reads a site, from the
// simulated tester pacing its replies as a 115200 baud line would carry
// them. Prints the bytes on the wire in each direction, the time taken and
// its ratio to the line's own minimum (ten bit times per byte).
//
//   link_download_bench [--plugs N] [--baud B]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "demo_sites.h"
#include "demo_standards.h"
#include "simulator.h"
#include "torvlink.h"

namespace {

using namespace torvik::sim;

struct Settings {
    int plugs = 100;
    int32_t baud = 115200;
};

Settings parse(int argc, char **argv)
{
    Settings settings;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--plugs") == 0)
            settings.plugs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--baud") == 0)
            settings.baud = std::atoi(argv[i + 1]);
    }
    return settings;
}

// The demo unit with one site in it: a Cat 5e floor of good links, every
// plug with its 36 curves.
Unit benchUnit(int plugs)
{
    Unit unit = demoUnit();
    const auto standards = demoStandards(40);
    const CopperSitePlan plan{"BENCH FLOOR", demo::kCat5ePermanentLink, 1, 0, 700, 1710230700, plugs,
                              "BF", 1, 5.0, 60.0, true, {}, {}};
    const DemoUncertainties u{4.0, 25.0, 10.0, 0.2, 5.0, 0.2};
    unit.sites = {copperSite(plan, standards[demo::kCat5ePermanentLink], u, {"12", "36", "45", "78"}, 7)};
    return unit;
}

// The site's chain as the download walks it; the number of sections read.
int readSite(int32_t layoutFlags)
{
    const int32_t announced = TorvikGetSiteNbSectsTests(0);
    int32_t section = TorvikGetSiteNrSect0Test0(0);
    int read = 0;
    SectionRecord record;
    while (section > 0 && read < announced) {
        if (TorvikGetSect(&record, section, layoutFlags) != 0) {
            std::fprintf(stderr, "section %d could not be read\n", section);
            std::exit(1);
        }
        ++read;
        section = record.next;
    }
    return read;
}

}  // namespace

int main(int argc, char **argv)
{
    const Settings settings = parse(argc, argv);
    Options options;
    options.paceBaud = settings.baud;
    Simulator tester(benchUnit(settings.plugs), options);
    std::string error;
    if (!tester.start(&error)) {
        std::fprintf(stderr, "link_download_bench: %s\n", error.c_str());
        return 1;
    }
    TorvlinkSetPortDevice(1, tester.devicePath().c_str());
    if (TorvikCommOpen(1, settings.baud, 'n', 8, 1, 'n') != 0) {
        std::fprintf(stderr, "link_download_bench: the link did not open\n");
        return 1;
    }
    tester.clearTrace();
    const auto start = std::chrono::steady_clock::now();
    const int sections = readSite(0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::size_t toTester = tester.received().size();
    const std::size_t fromTester = tester.sent().size();
    TorvikCommClose();
    tester.stop();

    const double minimum = static_cast<double>(toTester + fromTester) * 10.0 / settings.baud;
    const double replies = static_cast<double>(fromTester) * 10.0 / settings.baud;
    std::printf("sections read        %d (%d plugs)\n", sections, settings.plugs);
    std::printf("bytes host -> tester %zu\n", toTester);
    std::printf("bytes tester -> host %zu\n", fromTester);
    std::printf("elapsed              %.3f s\n", seconds);
    std::printf("line minimum         %.3f s (both directions at %d baud)\n", minimum, settings.baud);
    std::printf("ratio                %.3f (%.3f against the replies alone)\n", seconds / minimum,
                seconds / replies);
    return 0;
}
