#include "graph_commands.h"

#include <cstdio>
#include <filesystem>

#include "graph_download.h"
#include "graph_export.h"
#include "graph_grouping.h"
#include "graph_texts.h"
#include "quillet_strings.h"
#include "site_numbers.h"
#include "terminal_interaction.h"
#include "torvlink.h"

namespace quillet::cli {
namespace {

int saveGraphs(const std::string &output, model::GraphFile downloaded, bool group) {
    model::GraphFile file = std::move(downloaded);
    std::error_code error;
    if (group && std::filesystem::exists(output, error)) {
        auto existing = model::loadGraphFile(output);
        if (!existing) {
            std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(existing.error().text()).c_str());
            return 1;
        }
        graphs::addToGraphFile(existing.value(), file);
        file = std::move(existing.value());
    }
    const auto saved = model::saveGraphFile(output, file);
    if (!saved) {
        std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(saved.error().text()).c_str());
        return 1;
    }
    std::fprintf(stderr, "quillet-cli: saved %zu curve(s) to %s\n", file.curves.size(), output.c_str());
    return 0;
}

std::optional<graphs::GraphDownload> download(const LinkOptions &link, const std::string &sites,
                                              TerminalInteraction &ui) {
    if (!openTesterLink(link)) return std::nullopt;
    const auto lines = graphs::listTesterGraphs(ui, programRegional());
    if (!lines) {
        std::fprintf(stderr, "quillet-cli: the graphs of the tester could not be listed\n");
        return std::nullopt;
    }
    if (lines->empty()) {
        ui.message(resourceString(graphs::kNoGraphsAvailable), MessageIcon::Exclamation, MessageButtons::Ok);
        return std::nullopt;
    }
    const auto chosen = linesOfSites(*lines, sites, graphs::siteOfGraphLine);
    if (!chosen || chosen->empty()) {
        ui.message(resourceString(graphs::kNoSelectedGraph), MessageIcon::Exclamation, MessageButtons::Ok);
        return std::nullopt;
    }
    return graphs::downloadGraphs(*chosen, ui);
}

}  // namespace

int downloadGraphsCommand(const LinkOptions &link, const std::string &output, const std::string &sites, bool group) {
    TerminalInteraction ui;
    auto result = download(link, sites, ui);
    TorvikCommClose();
    if (!result) {
        std::fprintf(stderr, "quillet-cli: no graph was downloaded\n");
        return 1;
    }
    if (TerminalInteraction::interrupted())
        std::fprintf(stderr, "quillet-cli: interrupted; keeping the graphs read so far\n");
    return saveGraphs(output, std::move(result->file), group);
}

int exportGraphDocument(const std::string &input, const std::string &output, bool append) {
    const auto file = model::loadGraphFile(input);
    if (!file) {
        std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(file.error().text()).c_str());
        return 1;
    }
    const int result = graphs::writeGraphExport(output, file.value(), programRegional(),
                                                append ? graphs::GraphExportMode::Append
                                                       : graphs::GraphExportMode::Replace);
    if (result == 0) return 0;
    std::fprintf(stderr, "quillet-cli: %s: %s\n", output.c_str(), resourceString(result));
    return 1;
}

}  // namespace quillet::cli
