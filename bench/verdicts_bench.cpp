// Speed of the verdicts and of the text export on a large site: the first
// site of an autotest file, its plugs repeated up to the asked number,
// every column of every plug judged, then the whole site exported.
//
//   verdicts_bench FILE.tat [--plugs N]      (scripts/demo writes build/demo/demo.tat)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "autotest_file.h"
#include "list_lines.h"
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

    start = Clock::now();
    const autotest::ListContext context{site, verdicts, format, Regional{}};
    std::vector<const model::CPrise *> listed;
    for (const auto &plug : site.plugs) listed.push_back(&plug);
    autotest::ExportInput input;
    input.summaryLines = autotest::siteSummaryLines(context, listed, "CERTIFICATION REPORT");
    const std::uint32_t mask = autotest::defaultSyntheticMask(site.standard);
    input.headingLine = autotest::headingLine(context, mask).text;
    for (std::size_t i = 0; i < site.plugs.size(); ++i)
        input.plugLines.push_back(autotest::plugLine(context, site.plugs[i], static_cast<int>(i + 1), mask).text);
    const auto path = std::filesystem::temp_directory_path() / "verdicts_bench.txt";
    const int written = autotest::writeExport(path.string(), input, autotest::ExportMode::Replace);
    const double exported = secondsSince(start);
    std::filesystem::remove(path);

    std::printf("site                 %s, %zu plugs, %d columns each (%zu failing evaluations)\n", site.name.c_str(),
                site.plugs.size(), model::kColumnCount, failing);
    std::printf("verdicts             %.3f s, %.0f plugs/s\n", judged, static_cast<double>(site.plugs.size()) / judged);
    std::printf("export               %.3f s (summary with tally, heading, %zu plug lines)%s\n", exported,
                site.plugs.size(), written == 0 ? "" : "  FAILED");
    return written == 0 ? 0 : 1;
}
