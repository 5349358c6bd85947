#include "download_command.h"

#include "graph_commands.h"
#include "site_numbers.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "autotest_file.h"
#include "autotest_transfer.h"
#include "quillet_strings.h"
#include "site.h"
#include "terminal_interaction.h"
#include "tester_session.h"
#include "torvlink.h"
#include "verdicts.h"

namespace quillet::cli {
namespace {

struct DownloadOptions {
    LinkOptions link;
    std::string output;
    std::string sites = "all";
    bool group = false;
    bool keepExisting = false;
    bool graphs = false;
};

using model::AutotestFile;
using model::CSite;

// Per site: plugs tested, passed (result 4 or 5) and failed.
void printSummary(const std::vector<CSite> &sites) {
    for (const CSite &site : sites) {
        std::size_t passed = 0;
        for (const auto &plug : site.plugs) passed += model::SiteVerdicts::plugPassed(plug) ? 1 : 0;
        std::printf("  %-16s %3zu plugs tested, %3zu passed, %3zu failed\n", toTerminal(site.name).c_str(),
                    site.plugs.size(), passed, site.plugs.size() - passed);
    }
}

// Saves into OUT: the downloaded sites alone, or grouped into the file's.
int save(const DownloadOptions &options, std::vector<CSite> sites, model::UserInteraction &ui) {
    AutotestFile<CSite> file;
    if (options.group && std::filesystem::exists(options.output)) {
        auto existing = model::loadAutotestFile<CSite>(options.output);
        if (!existing) {
            std::fprintf(stderr, "quillet-cli: %s\n", existing.error().text().c_str());
            return 1;
        }
        file = std::move(existing.value());
        model::groupSites(file.sites, sites, ui);
    } else {
        file.sites = std::move(sites);
    }
    const auto saved = model::saveAutotestFile(options.output, file);
    if (!saved) {
        std::fprintf(stderr, "quillet-cli: %s\n", saved.error().text().c_str());
        return 1;
    }
    std::fprintf(stderr, "quillet-cli: saved %zu site(s) to %s\n", file.sites.size(), options.output.c_str());
    return 0;
}

int runDownload(const DownloadOptions &options) {
    if (options.graphs) return downloadGraphsCommand(options.link, options.output, options.sites, options.group);
    TerminalInteraction ui(options.keepExisting ? Answer::No : Answer::Yes);
    if (!openTesterLink(options.link)) return 1;
    const auto lines = model::listTesterSites(ui, programRegional());
    if (!lines) {
        TorvikCommClose();
        std::fprintf(stderr, "quillet-cli: the sites of the tester could not be listed\n");
        return 1;
    }
    if (lines->empty()) {
        TorvikCommClose();
        ui.message(resourceString(ids::kNoSiteAvailable), MessageIcon::Exclamation, MessageButtons::Ok);
        return 1;
    }
    const auto chosen = linesOfSites(*lines, options.sites, model::slotOfLine);
    if (!chosen || chosen->empty()) {
        TorvikCommClose();
        ui.message(resourceString(ids::kNoSelectedSite), MessageIcon::Exclamation, MessageButtons::Ok);
        return 1;
    }
    std::vector<CSite> sites = model::downloadSites(*chosen, ui);
    TorvikCommClose();
    if (TerminalInteraction::interrupted())
        std::fprintf(stderr, "quillet-cli: interrupted; keeping the plugs read so far\n");
    if (sites.empty()) {
        std::fprintf(stderr, "quillet-cli: nothing was downloaded\n");
        return 1;
    }
    printSummary(sites);
    return save(options, std::move(sites), ui);
}

}  // namespace

void addDownloadCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<DownloadOptions>();
    CLI::App *cmd = app.add_subcommand("download", "Download sites of the connected tester into an autotest file");
    cmd->add_option("-o,--output", options->output, "Autotest file to write (.tat), or graph file (.frt) with --graphs")
        ->required();
    cmd->add_flag("--graphs", options->graphs,
                  "Download the tester's graphs with their limit curves into a graph file instead of sites");
    cmd->add_option("--sites", options->sites, "Tester site numbers, as \"1,3\", or \"all\"")->capture_default_str();
    cmd->add_flag("--group", options->group,
                  "Group into the existing file (sites of the same name take the newer plugs; "
                  "with --graphs, the curves are added to the end of the file)");
    cmd->add_flag("--keep-existing", options->keepExisting,
                  "When grouping without a terminal, keep a file's site of the same name as it is");
    addLinkOptions(*cmd, options->link);
    cmd->callback([options, &exitCode] { exitCode = runDownload(*options); });
}

}  // namespace quillet::cli
