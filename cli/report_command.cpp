#include "report_command.h"

#include <QApplication>
#include <QPageSize>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "autotest_file.h"
#include "list_lines.h"
#include "plug_list.h"
#include "print_header_profile.h"
#include "profile.h"
#include "quillet_strings.h"
#include "regional.h"
#include "report_print.h"
#include "report_profile.h"
#include "site.h"

namespace quillet::cli {
namespace {

struct ReportOptions {
    std::string input;
    std::string output;
    std::string site = "1";
    std::string detail = "none";
    bool mono = false;
    std::string pageSize = "A4";
};

int failWith(const std::string &text) {
    std::fprintf(stderr, "quillet-cli: %s\n", text.c_str());
    return 1;
}

std::vector<std::string> splitIds(const std::string &text) {
    std::vector<std::string> ids;
    std::stringstream stream(text);
    for (std::string id; std::getline(stream, id, ',');)
        if (!id.empty()) ids.push_back(id);
    return ids;
}

// Details the plugs --detail names ("all", "none" or identifiers separated
// by commas); false with a message for an identifier the site lacks.
bool applyDetail(autotest::PlugList &list, const model::CSite &site, const std::string &detail) {
    if (detail == "none") return true;
    autotest::DetailOutcome outcome;
    if (detail == "all") {
        outcome = list.detailAll();
    } else {
        std::vector<std::size_t> chosen;
        for (const std::string &id : splitIds(detail)) {
            bool found = false;
            for (std::size_t i = 0; i < list.lines().size(); ++i) {
                const auto &line = list.lines()[i];
                if (!line.detail && site.plugs[line.plug].plugId == id) {
                    chosen.push_back(i);
                    found = true;
                }
            }
            if (!found) {
                failWith("site " + site.name + " has no plug " + id);
                return false;
            }
        }
        outcome = list.detail(chosen);
    }
    if (!outcome.complete)
        std::fprintf(stderr, "quillet-cli: %s\n", formatResource(288, std::to_string(outcome.mostPlugs)).c_str());
    return true;
}

std::optional<QPageSize> pageSizeNamed(const std::string &name) {
    static const std::pair<const char *, QPageSize::PageSizeId> kSizes[] = {
        {"A3", QPageSize::A3},       {"A4", QPageSize::A4},         {"A5", QPageSize::A5},
        {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}, {"Tabloid", QPageSize::Tabloid},
    };
    for (const auto &[text, id] : kSizes)
        if (name == text) return QPageSize(id);
    return std::nullopt;
}

// The sites the command prints: one by its number, or all.
std::optional<std::vector<std::size_t>> chosenSites(const ReportOptions &options, std::size_t count) {
    std::vector<std::size_t> sites;
    if (options.site == "all") {
        for (std::size_t i = 0; i < count; ++i) sites.push_back(i);
    } else {
        char *end = nullptr;
        const long n = std::strtol(options.site.c_str(), &end, 10);
        if (*options.site.c_str() == '\0' || *end != '\0' || n < 1 || static_cast<std::size_t>(n) > count) {
            std::fprintf(stderr, "quillet-cli: %s holds %zu site(s); there is no site %s\n", options.input.c_str(),
                         count, options.site.c_str());
            return std::nullopt;
        }
        sites.push_back(static_cast<std::size_t>(n - 1));
    }
    if (sites.empty()) {
        std::fprintf(stderr, "quillet-cli: %s holds no site\n", options.input.c_str());
        return std::nullopt;
    }
    return sites;
}

int runReport(const ReportOptions &options) {
    const auto pageSize = pageSizeNamed(options.pageSize);
    if (!pageSize) return failWith("unknown page size " + options.pageSize + " (A3, A4, A5, Letter, Legal, Tabloid)");
    auto file = model::loadAutotestFile<model::CSite>(options.input);
    if (!file) return failWith(file.error().text());
    const auto &sites = file.value().sites;
    const auto chosen = chosenSites(options, sites.size());
    if (!chosen) return 1;

    // The report draws with fonts: a Qt application, on no display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "quillet-cli";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);

    const NumberFormat format(programRegional().decimal);
    PrintHeader header;
    readPrintHeader(&header);
    const std::string path = profilePath();
    std::vector<std::unique_ptr<model::SiteVerdicts>> verdicts;
    std::vector<std::unique_ptr<autotest::PlugList>> lists;
    std::vector<autotest::ReportInput> reports;
    for (std::size_t index : *chosen) {
        const model::CSite &site = sites[index];
        verdicts.push_back(std::make_unique<model::SiteVerdicts>(site, format));
        const autotest::ListContext context{site, *verdicts.back(), format, programRegional()};
        lists.push_back(std::make_unique<autotest::PlugList>(context, autotest::defaultSyntheticMask(site.standard),
                                                             autotest::defaultDetailedMask(site.standard)));
        if (!applyDetail(*lists.back(), site, options.detail)) return 1;
        autotest::ReportInput input;
        input.site = &site;
        input.list = lists.back().get();
        input.title = autotest::readReportTitle(path);
        input.header = header;
        input.colours = autotest::readReportColours(path);
        input.monochrome = options.mono;
        input.decimal = programRegional().decimal;
        input.printDate = autotest::reportPrintDate();
        reports.push_back(std::move(input));
    }
    QString error;
    if (!autotest::writeReportPdf(QString::fromStdString(options.output), reports, *pageSize, &error))
        return failWith(error.toStdString());
    return 0;
}

}  // namespace

void addReportCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App *cmd = app.add_subcommand("report", "Write the certification report of a site (or of all) as a PDF file");
    cmd->add_option("input", options->input, "Autotest file (.tat)")->required();
    cmd->add_option("-o,--output", options->output, "PDF file to write")->required();
    cmd->add_option("--site", options->site, "Site of the file, from 1, or all")->capture_default_str();
    cmd->add_option("--detail", options->detail, "Detailed plugs: none, all, or identifiers separated by commas")
        ->capture_default_str();
    cmd->add_flag("--mono", options->mono, "Black and white: type styles instead of colours");
    cmd->add_option("--page-size", options->pageSize, "A3, A4, A5, Letter, Legal or Tabloid")->capture_default_str();
    cmd->callback([options, &exitCode] { exitCode = runReport(*options); });
}

}  // namespace quillet::cli
