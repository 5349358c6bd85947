// Download speed of a whole site through the model, as quillet-cli and the
// desktop program download it: configuration, standard, then every plug
// with its curves decoded, derived curves and limit curves built, from the
// simulated tester pacing its replies as a 115200 baud line would.
//
//   site_download_bench [--plugs N] [--baud B]
#include <string>

#include "paced_download.h"
#include "site_download.h"

int main(int argc, char **argv) {
    const bench::Settings settings = bench::parse(argc, argv);
    return bench::runPaced("site_download_bench", settings, [] {
        bench::Unattended ui;
        quillet::model::CSite site;
        const int result = quillet::model::readSiteFromTester(site, 0, ui);
        std::size_t curves = 0;
        for (const auto &plug : site.plugs)
            for (int slot = 0; slot < quillet::model::kCurveSlotCount; ++slot) curves += plug.curvesOfSlot(slot)->size();
        return "site " + std::string(result == 0 ? "complete" : "FAILED") + ": " + std::to_string(site.plugs.size()) +
               " plugs, " + std::to_string(curves) + " curves with derived and limit curves";
    });
}
