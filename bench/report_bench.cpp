// The certification report as a PDF file: a site of 100, 1,000 and 10,000
// plugs (copies of the plugs of a downloaded site), once as the window
// opens it and once with Detail All and the small plots of every plug with
// curves; elapsed time per report and the process's peak memory.
// Peak memory is the process's: run one size per process to read it.
// Usage: report_bench FILE.tat [--plugs N ...]
#include <QApplication>
#include <QFile>
#include <QPageSize>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

#include "autotest_file.h"
#include "plug_list.h"
#include "report_print.h"

namespace {

using namespace quillet;
using Clock = std::chrono::steady_clock;

// Copies of the site's plugs. The plain list has no use for curves, so its
// copies carry none; a detailed one keeps them on the first 1,000 plugs
// (the list's line limit details fewer than that), so the figures show
// the report's memory rather than 10,000 copies of a plug's curves.
constexpr std::size_t kPlugsWithCurves = 1000;

model::CSite largeSite(const model::CSite &site, std::size_t plugs, bool withCurves) {
    model::CSite large = site;
    large.plugs.clear();
    large.plugs.reserve(plugs);
    for (std::size_t i = 0; i < plugs; ++i) {
        large.plugs.push_back(site.plugs[i % site.plugs.size()]);
        large.plugs.back().plugId = "P" + std::to_string(i + 1);
        if (!withCurves || i >= kPlugsWithCurves)
            for (auto &slot : large.plugs.back().curves) slot.clear();
    }
    return large;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Run {
    double seconds = 0;
    std::size_t lines = 0;
    std::size_t detailed = 0;
    qint64 bytes = 0;
    bool written = false;
};

Run report(const model::CSite &site, bool detailAll, const QString &path) {
    const NumberFormat format;
    const auto start = Clock::now();
    const model::SiteVerdicts verdicts(site, format);
    const autotest::ListContext context{site, verdicts, format, Regional{}};
    autotest::PlugList list(context, autotest::defaultSyntheticMask(site.standard),
                            autotest::defaultDetailedMask(site.standard));
    list.showAll();
    if (detailAll) list.detailAll();
    autotest::ReportInput input;
    input.site = &site;
    input.list = &list;
    input.title = "CERTIFICATION REPORT";
    input.printDate = "11/12/26";
    Run run;
    run.written = autotest::writeReportPdf(path, {input}, QPageSize(QPageSize::A4), nullptr);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.lines = list.lines().size();
    for (std::size_t i = 0; i < list.lines().size(); ++i) run.detailed += list.isDetailed(i) ? 1 : 0;
    run.bytes = QFile(path).size();
    return run;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.tat [--plugs N ...]\n", argv[0]);
        return 2;
    }
    std::vector<std::size_t> sizes;
    for (int i = 2; i + 1 < argc; i += 2)
        if (std::strcmp(argv[i], "--plugs") == 0) sizes.push_back(static_cast<std::size_t>(std::atol(argv[i + 1])));
    if (sizes.empty()) sizes = {100, 1000, 10000};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    auto file = model::loadAutotestFile<model::CSite>(argv[1]);
    if (!file || file.value().sites.empty() || file.value().sites.front().plugs.empty()) {
        std::fprintf(stderr, "%s: %s holds no site with plugs\n", argv[0], argv[1]);
        return 1;
    }
    const model::CSite &source = file.value().sites.front();
    std::printf("site %s: %zu plugs copied; with curves: %s\n", source.name.c_str(), source.plugs.size(),
                source.plugs.front().hasAnyCurve() ? "yes" : "no");
    const QString path = QStringLiteral("report_bench.pdf");
    bool ok = true;
    for (std::size_t plugs : sizes) {
        for (bool detailAll : {false, true}) {
            const model::CSite site = largeSite(source, plugs, detailAll);
            const double before = peakMegabytes();
            const Run run = report(site, detailAll, path);
            ok = ok && run.written;
            std::printf("%6zu plugs %-9s %7.3f s  %6zu lines, %5zu detailed, PDF %7.1f kB, peak %6.1f MB "
                        "(%6.1f MB before the report)%s\n",
                        plugs, detailAll ? "detailed" : "plain", run.seconds, run.lines, run.detailed,
                        static_cast<double>(run.bytes) / 1024.0, peakMegabytes(), before,
                        run.written ? "" : "  FAILED");
        }
    }
    QFile::remove(path);
    return ok ? 0 : 1;
}
