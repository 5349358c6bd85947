// Speed of the verdicts and of the text export on a large site: the first
// site of an autotest file, its plugs repeated up to the asked number,
// every column of every plug judged, then the whole site exported as the
// plug list shows it on opening and with every plug detailed.
//
//   verdicts_bench FILE.tat [--plugs N]      (scripts/demo writes build/demo/demo.tat)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "autotest_file.h"
#include "list_lines.h"
#include "plug_list.h"
#include "site.h"
#include "text_export.h"
#include "verdicts.h"

namespace {

using namespace quillet;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

model::CSite largeSite(const model::CSite &site, std::size_t plugs) {
    model::CSite large = site;
    large.plugs.clear();
    large.plugs.reserve(plugs);
    for (std::size_t i = 0; i < plugs; ++i) large.plugs.push_back(site.plugs[i % site.plugs.size()]);
    return large;
}

struct Export {
    double seconds = 0;
    std::size_t lines = 0;
    int written = 0;
};

// The site's plug list as it opens (or with Detail All), exported to a
// scratch file: lines built, verdicts judged and the file written.
Export exportSite(const autotest::ListContext &context, bool detailAll) {
    const auto start = Clock::now();
    const model::CNorm &standard = context.site.standard;
    autotest::PlugList list(context, autotest::defaultSyntheticMask(standard), autotest::defaultDetailedMask(standard));
    if (detailAll) list.detailAll();
    const autotest::ExportInput input = autotest::exportInputOf(list, "CERTIFICATION REPORT");
    const auto path = std::filesystem::temp_directory_path() / "verdicts_bench.txt";
    Export result;
    result.written = autotest::writeExport(path.string(), input, autotest::ExportMode::Replace);
    result.seconds = secondsSince(start);
    result.lines = input.plugLines.size();
    std::filesystem::remove(path);
    return result;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.tat [--plugs N]\n", argv[0]);
        return 2;
    }
    std::size_t plugs = 10000;
    for (int i = 2; i + 1 < argc; i += 2)
        if (std::strcmp(argv[i], "--plugs") == 0) plugs = static_cast<std::size_t>(std::atol(argv[i + 1]));
    auto file = model::loadAutotestFile<model::CSite>(argv[1]);
    if (!file || file.value().sites.empty() || file.value().sites.front().plugs.empty()) {
        std::fprintf(stderr, "%s: %s holds no site with plugs\n", argv[0], argv[1]);
        return 1;
    }
    const model::CSite site = largeSite(file.value().sites.front(), plugs);
    const NumberFormat format;
    const model::SiteVerdicts verdicts(site, format);

    auto start = Clock::now();
    std::size_t failing = 0;
    for (const auto &plug : site.plugs) {
        for (int c = 0; c < model::kColumnCount; ++c)
            failing += verdicts.evaluate(static_cast<model::Column>(c), plug).pass ? 0 : 1;
    }
    const double judged = secondsSince(start);

    const autotest::ListContext context{site, verdicts, format, Regional{}};
    const Export plain = exportSite(context, false);
    const Export detailed = exportSite(context, true);

    std::printf("site                 %s, %zu plugs, %d columns each (%zu failing evaluations)\n", site.name.c_str(),
                site.plugs.size(), model::kColumnCount, failing);
    std::printf("verdicts             %.3f s, %.0f plugs/s\n", judged, static_cast<double>(site.plugs.size()) / judged);
    std::printf("export               %.3f s (summary with tally, heading, %zu plug lines)%s\n", plain.seconds,
                plain.lines, plain.written == 0 ? "" : "  FAILED");
    std::printf("export, detailed     %.3f s (%zu lines: Detail All as far as the list's line limit)%s\n",
                detailed.seconds, detailed.lines, detailed.written == 0 ? "" : "  FAILED");
    return plain.written == 0 && detailed.written == 0 ? 0 : 1;
}
