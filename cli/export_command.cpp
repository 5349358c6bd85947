#include "export_command.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "autotest_file.h"
#include "doc_template_strings.h"
#include "graph_commands.h"
#include "list_lines.h"
#include "plug_list.h"
#include "profile.h"
#include "quillet_strings.h"
#include "site.h"
#include "standards_commands.h"
#include "text_export.h"

namespace quillet::cli {
namespace {

struct ExportOptions {
    std::string input;
    std::string output;
    int site = 1;
    std::string detail = "none";
    bool append = false;
};

// The report title the desktop program uses ("Options"/"Title").
std::string reportTitle() {
    return readProfileString(profilePath(), "Options", "Title").value_or(resourceString(211));
}

int failWith(const std::string &text) {
    std::fprintf(stderr, "quillet-cli: %s\n", text.c_str());
    return 1;
}

// The export was written, but without every detail block asked for.
constexpr int kExitIncomplete = 2;

int fail(int textId) {
    std::fprintf(stderr, "quillet-cli: %s\n", resourceString(textId));
    return 1;
}

// What an input file exports is chosen by its extension, as the open
// dialogs choose the document type.
enum class ExportedKind { Autotest, Graph, Standards, Unknown };

ExportedKind exportedKindOf(const std::string &input) {
    if (matchesExtension(parseDocTemplateStrings(resourceString(ids::kAutotestDocStrings)), input))
        return ExportedKind::Autotest;
    if (matchesExtension(parseDocTemplateStrings(resourceString(ids::kGraphDocStrings)), input))
        return ExportedKind::Graph;
    if (matchesExtension(parseDocTemplateStrings(resourceString(ids::kNormDocStrings)), input))
        return ExportedKind::Standards;
    return ExportedKind::Unknown;
}

int exportAutotest(const ExportOptions &options);

// The file's header must name the same kind as its extension; each kind's
// export checks it as it loads.
int runExportOfKind(const ExportOptions &options) {
    switch (exportedKindOf(options.input)) {
    case ExportedKind::Autotest: return exportAutotest(options);
    case ExportedKind::Standards:
        if (options.append) return failWith("--append applies to autotest and graph exports only");
        return exportStandards(options.input, options.output);
    case ExportedKind::Graph: return exportGraphDocument(options.input, options.output, options.append);
    case ExportedKind::Unknown: break;
    }
    return failWith(options.input + ": not an autotest (.tat), graph (.frt) or standards (.nrm) file");
}

// The export of an autotest file's site.
int exportAutotest(const ExportOptions &options) {
    auto file = model::loadAutotestFile<model::CSite>(options.input);
    if (!file) {
        std::fprintf(stderr, "quillet-cli: %s\n", file.error().text().c_str());
        return 1;
    }
    const auto &sites = file.value().sites;
    if (options.site < 1 || static_cast<std::size_t>(options.site) > sites.size()) {
        std::fprintf(stderr, "quillet-cli: %s holds %zu site(s); there is no site %d\n", options.input.c_str(),
                     sites.size(), options.site);
        return 1;
    }
    const model::CSite &site = sites[static_cast<std::size_t>(options.site - 1)];
    const NumberFormat format(programRegional().decimal);
    const model::SiteVerdicts verdicts(site, format);
    const autotest::ListContext context{site, verdicts, format, programRegional()};
    autotest::PlugList list(context, autotest::defaultSyntheticMask(site.standard),
                            autotest::defaultDetailedMask(site.standard));
    bool complete = true;
    if (options.detail == "all") {
        const autotest::DetailOutcome outcome = list.detailAll();
        complete = outcome.complete;
        if (!outcome.complete)
            std::fprintf(stderr, "quillet-cli: %s\n", formatResource(288, std::to_string(outcome.mostPlugs)).c_str());
    }
    const autotest::ExportInput input = autotest::exportInputOf(list, reportTitle());

    const bool append = options.append && std::filesystem::exists(options.output);
    const int result =
        autotest::writeExport(options.output, input, append ? autotest::ExportMode::Append : autotest::ExportMode::Replace);
    if (result != 0) return fail(result);
    return complete ? 0 : kExitIncomplete;
}

}  // namespace

void addExportCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App *cmd = app.add_subcommand(
        "export", "Export one site of an autotest file (.tat) as tab-separated text, every curve of a graph "
                  "file (.frt), or a standards file's listing (.nrm)");
    cmd->footer("Exit status: 0 exported; 1 nothing exported; 2 exported, but not every plug could be detailed.");
    cmd->add_option("input", options->input, "Autotest file (.tat), graph file (.frt) or standards file (.nrm)")
        ->required();
    cmd->add_option("output", options->output, "Text file to write (.txt)")->required();
    cmd->add_option("--site", options->site, "Site of an autotest file, from 1")->capture_default_str();
    cmd->add_option("--detail", options->detail, "Detail lines: none or all")
        ->check(CLI::IsMember({"none", "all"}))
        ->capture_default_str();
    cmd->add_flag("--append", options->append, "Add to the end of an existing file instead of replacing it");
    cmd->callback([options, &exitCode] { exitCode = runExportOfKind(*options); });
}

}  // namespace quillet::cli
