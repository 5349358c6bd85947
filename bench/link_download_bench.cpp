// Download speed of libtorvlink: every section of one site of 100 plugs
// with their curves, read as the desktop program reads a site, from the
// simulated tester pacing its replies as a 115200 baud line would carry
// them. Prints the bytes on the wire in each direction, the time taken and
// its ratio to the line's own minimum (ten bit times per byte).
//
//   link_download_bench [--plugs N] [--baud B]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "paced_download.h"
#include "torvlink.h"

namespace {

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
    const bench::Settings settings = bench::parse(argc, argv);
    return bench::runPaced("link_download_bench", settings, [&] {
        return std::to_string(readSite(0)) + " sections (" + std::to_string(settings.plugs) + " plugs)";
    });
}
