#include "standards_commands.h"

#include <cstdio>
#include <set>
#include <stdexcept>
#include <sstream>

#include "listing_export.h"
#include "norm_file.h"
#include "norm_transfer.h"
#include "quillet_strings.h"
#include "regional.h"
#include "terminal_interaction.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet::cli {
namespace {

constexpr int kNoSelectedNorm = 107;

// The tester numbers of --norms; nothing for a malformed list.
std::optional<std::set<int>> parseNorms(const std::string &norms) {
    std::set<int> wanted;
    std::stringstream list(norms);
    for (std::string item; std::getline(list, item, ',');) {
        std::size_t used = 0;
        int number = 0;
        try {
            number = std::stoi(item, &used);
        } catch (const std::exception &) {
            return std::nullopt;
        }
        if (used != item.size() || number < 1) return std::nullopt;
        wanted.insert(number);
    }
    if (wanted.empty()) return std::nullopt;
    return wanted;
}

// The terminal's messages and progress; the selection is the --norms list.
// A list that names none of the tester's standards ends the download
// rather than searching again, as there is nobody to choose otherwise.
class NormsChoice final : public model::UserInteraction {
public:
    NormsChoice(TerminalInteraction &terminal, std::optional<std::set<int>> wanted)
        : terminal_(terminal), wanted_(std::move(wanted)) {}

    Answer message(const std::string &text, MessageIcon icon, MessageButtons buttons) override {
        return terminal_.message(text, icon, buttons);
    }
    std::unique_ptr<Progress> beginProgress(const std::string &text) override {
        return terminal_.beginProgress(text);
    }
    std::optional<SelectionResult> select(const SelectionRequest &request) override {
        SelectionResult result;
        result.saveAfterTransfer = true;
        for (std::size_t i = 0; i < request.lines.size(); ++i) {
            if (!wanted_ || wanted_->count(model::normIndexOfLine(request.lines[i]) + 1)) result.chosen.push_back(i);
        }
        if (result.chosen.empty()) {
            terminal_.message(resourceString(kNoSelectedNorm), MessageIcon::Exclamation, MessageButtons::Ok);
            return std::nullopt;
        }
        return result;
    }

private:
    TerminalInteraction &terminal_;
    std::optional<std::set<int>> wanted_;
};

int failWith(const std::string &text) {
    std::fprintf(stderr, "quillet-cli: %s\n", text.c_str());
    return 1;
}

}  // namespace

std::shared_ptr<StandardsDownloadOptions> addStandardsDownloadOptions(CLI::App &download) {
    auto options = std::make_shared<StandardsDownloadOptions>();
    CLI::Option *flag = download.add_flag("--standards", options->wanted,
                                          "Download the tester's standards into a standards file (.nrm)");
    for (const char *siteOption : {"--sites", "--group", "--keep-existing"}) {
        if (CLI::Option *other = download.get_option_no_throw(siteOption)) flag->excludes(other);
    }
    download.add_option("--norms", options->norms, "With --standards: tester standard numbers, as \"1,4\", or \"all\"")
        ->needs(flag)
        ->capture_default_str();
    download.add_option("--comment", options->comment, "With --standards: the comment saved in the file")
        ->needs(flag);
    return options;
}

int runStandardsDownload(const StandardsDownloadOptions &options, const LinkOptions &link,
                         const std::string &output) {
    std::optional<std::set<int>> wanted;
    if (options.norms != "all") {
        wanted = parseNorms(options.norms);
        if (!wanted) return failWith("--norms takes tester numbers from 1, as \"1,4\", or \"all\"");
    }
    TerminalInteraction terminal;
    NormsChoice ui(terminal, wanted);
    if (!openTesterLink(link)) return 1;
    auto download = model::downloadTesterNorms(ui);
    TorvikCommClose();
    if (!download) return failWith("no standard was downloaded");
    model::NormFile file;
    file.comment = utf8ToCp1252(options.comment);
    file.standards = std::move(download->standards);
    for (const model::CNorm &standard : file.standards)
        std::printf("  %s\n", toTerminal(standard.displayName()).c_str());
    const auto saved = model::saveNormFile(output, file);
    if (!saved) return failWith(saved.error().text());
    std::fprintf(stderr, "quillet-cli: saved %zu standard(s) to %s\n", file.standards.size(), output.c_str());
    return 0;
}

int exportStandards(const std::string &input, const std::string &output) {
    const auto file = model::loadNormFile(input);
    if (!file) return failWith(file.error().text());
    const auto saved = standards::exportNormListing(output, file.value(), NumberFormat(programRegional().decimal));
    if (!saved) return failWith(saved.error().text());
    return 0;
}

}  // namespace quillet::cli
