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
#include "standards_commands.h"
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

// Exit codes of "download", as its help states them.
constexpr int kExitComplete = 0;
constexpr int kExitNothingSaved = 1;
constexpr int kExitIncomplete = 2;
constexpr int kExitRecovered = 3;

// Folders a recovery file may go to, in order: the output's, the current
// one, the home folder, the temporary folder.
std::vector<std::filesystem::path> recoveryFolders(const std::string &output) {
    std::vector<std::filesystem::path> folders;
    const auto parent = std::filesystem::path(output).parent_path();
    folders.push_back(parent.empty() ? "." : parent);
    folders.push_back(".");
    if (const char *home = std::getenv("HOME")) folders.push_back(home);
    std::error_code unknown;
    const auto temporary = std::filesystem::temp_directory_path(unknown);
    if (!unknown) folders.push_back(temporary);
    return folders;
}

// The downloaded sites, alone, in a new file beside the output or wherever
// one can be written: the download is never thrown away.
std::optional<std::string> saveRecovery(const std::string &output, const std::vector<CSite> &sites) {
    AutotestFile<CSite> file;
    file.sites = sites;
    const std::string stem = std::filesystem::path(output).stem().string();
    const std::string name = (stem.empty() ? std::string("download") : stem) + "-recovered-" +
                             std::to_string(::getpid()) + ".tat";
    for (const auto &folder : recoveryFolders(output)) {
        if (folder.empty()) continue;
        std::error_code unknown;
        const auto whole = std::filesystem::absolute(folder / name, unknown);  // a path that says where it is
        const std::string path = (unknown ? folder / name : whole).string();
        if (model::saveAutotestFile(path, file)) return path;
    }
    return std::nullopt;
}

// Saves into OUT: the downloaded sites alone, or grouped into the file's.
// When OUT cannot be read or written, the download goes to a recovery file.
int save(const DownloadOptions &options, const std::vector<CSite> &sites, model::UserInteraction &ui,
         bool complete) {
    AutotestFile<CSite> file;
    std::optional<model::FileError> failure;
    if (options.group && std::filesystem::exists(options.output)) {
        auto existing = model::loadAutotestFile<CSite>(options.output);
        if (existing) {
            file = std::move(existing.value());
            model::groupSites(file.sites, sites, ui);
        } else {
            failure = existing.error();
        }
    } else {
        file.sites = sites;
    }
    if (!failure) {
        const auto saved = model::saveAutotestFile(options.output, file);
        if (saved) {
            std::fprintf(stderr, "quillet-cli: saved %zu site(s) to %s%s\n", file.sites.size(),
                         options.output.c_str(), complete ? "" : ", but the download is incomplete");
            return complete ? kExitComplete : kExitIncomplete;
        }
        failure = saved.error();
    }
    std::fprintf(stderr, "quillet-cli: %s\n", failure->text().c_str());
    const auto recovery = saveRecovery(options.output, sites);
    if (!recovery) {
        std::fprintf(stderr, "quillet-cli: the download could not be saved anywhere\n");
        return kExitNothingSaved;
    }
    std::fprintf(stderr, "quillet-cli: the %zu downloaded site(s) are kept in %s\n", sites.size(),
                 recovery->c_str());
    return kExitRecovered;
}

// What the download could not bring, named once more after the messages.
void printIncomplete(const model::DownloadReport &report) {
    if (report.cancelled) std::fprintf(stderr, "quillet-cli: the transfer was cancelled\n");
    if (report.lineLost) std::fprintf(stderr, "quillet-cli: the tester stopped answering\n");
    for (const auto &name : report.incompleteSites)
        std::fprintf(stderr, "quillet-cli: incomplete: %s\n", toTerminal(name).c_str());
    for (const auto &name : report.unreadSites)
        std::fprintf(stderr, "quillet-cli: not read: %s\n", toTerminal(name).c_str());
}

int runDownload(const DownloadOptions &options) {
    if (options.graphs) return downloadGraphsCommand(options.link, options.output, options.sites, options.group);
    TerminalInteraction ui(options.keepExisting ? Answer::No : Answer::Yes);
    if (!openTesterLink(options.link)) return kExitNothingSaved;
    const auto lines = model::listTesterSites(ui, programRegional());
    if (!lines) {
        TorvikCommClose();
        std::fprintf(stderr, TerminalInteraction::interrupted()
                                 ? "quillet-cli: the listing of the sites was cancelled\n"
                                 : "quillet-cli: the sites of the tester could not be listed\n");
        return kExitNothingSaved;
    }
    if (lines->empty()) {
        TorvikCommClose();
        ui.message(resourceString(ids::kNoSiteAvailable), MessageIcon::Exclamation, MessageButtons::Ok);
        return kExitNothingSaved;
    }
    const auto chosen = linesOfSites(*lines, options.sites, model::slotOfLine);
    if (!chosen || chosen->empty()) {
        TorvikCommClose();
        ui.message(resourceString(ids::kNoSelectedSite), MessageIcon::Exclamation, MessageButtons::Ok);
        return kExitNothingSaved;
    }
    model::DownloadReport report;
    const std::vector<CSite> sites = model::downloadSites(*chosen, ui, report);
    TorvikCommClose();
    printIncomplete(report);
    if (sites.empty()) {
        std::fprintf(stderr, "quillet-cli: nothing was downloaded\n");
        return kExitNothingSaved;
    }
    printSummary(sites);
    return save(options, sites, ui, report.complete());
}

}  // namespace

void addDownloadCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<DownloadOptions>();
    CLI::App *cmd = app.add_subcommand("download", "Download sites of the connected tester into an autotest file");
    cmd->footer("Exit status: 0 every chosen site downloaded whole and saved; 1 nothing saved; "
                "2 saved, but incomplete (a site cut short, not read, or the transfer cancelled: each is named); "
                "3 the output could not be read or written, the download is kept in the recovery file named.\n"
                "Ctrl-C cancels the transfer and keeps what was read; a second Ctrl-C ends the program at once.");
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
    const auto standards = addStandardsDownloadOptions(*cmd);
    addLinkOptions(*cmd, options->link);
    cmd->callback([options, standards, &exitCode] {
        exitCode = standards->wanted ? runStandardsDownload(*standards, options->link, options->output)
                                     : runDownload(*options);
    });
}

}  // namespace quillet::cli
