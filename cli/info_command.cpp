#include "info_command.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "autotest_file.h"
#include "document_header.h"
#include "file_io.h"
#include "graph_file.h"
#include "norm_file.h"
#include "revision.h"
#include "site.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

using Bytes = std::span<const std::uint8_t>;
using Failure = std::optional<model::FileError>;

void line(const char *label, const std::string &value) {
    std::printf("%-10s %s\n", label, toTerminal(value).c_str());
}

void heading(const std::string &path, const std::string &header) {
    line("File:", path);
    line("Kind:", std::string(model::kindText(*model::kindOfHeader(header))));
    line("Revision:", model::revisionOfHeader(header));
}

Failure describeStandards(Bytes bytes, const std::string &path) {
    const auto file = model::readNormFile(bytes, path);
    if (!file) return file.error();
    heading(path, file.value().header);
    line("Comment:", file.value().comment);
    line("Standards:", std::to_string(file.value().standards.size()));
    for (const model::CNorm &n : file.value().standards) line("", n.displayName());
    return std::nullopt;
}

Failure describeGraphs(Bytes bytes, const std::string &path) {
    const auto file = model::readGraphFile(bytes, path);
    if (!file) return file.error();
    std::size_t points = 0;
    for (const model::CGrphMes &c : file.value().curves) points += static_cast<std::size_t>(c.values.GetSize());
    heading(path, file.value().header);
    line("Comment:", file.value().comment);
    line("Sites:", file.value().siteList);
    line("Curves:", std::to_string(file.value().curves.size()) + " (" + std::to_string(points) + " points)");
    return std::nullopt;
}

Failure describeAutotests(Bytes bytes, const std::string &path) {
    const auto file = model::readAutotestFile<model::CSite>(bytes, path);
    if (!file) return file.error();
    const std::string &header = file.value().header;
    heading(path, header);
    line("Comment:", file.value().comment);
    if (!model::passes(model::revisionOfHeader(header), model::Gate::DocumentRecords)) {
        line("Sites:", "none at this revision");
        return std::nullopt;
    }
    line("Sites:", std::to_string(file.value().sites.size()));
    for (const model::CSite &site : file.value().sites) {
        std::size_t curves = 0;
        for (const model::CPrise &plug : site.plugs) {
            for (const auto &slot : plug.curves) curves += slot.size();
        }
        line("", site.summaryEntry() + ": " + std::to_string(site.plugs.size()) + " plugs, " +
                     std::to_string(curves) + " curves");
    }
    return std::nullopt;
}

Failure describe(const std::string &path) {
    const auto bytes = model::readDocumentFile(path);
    if (!bytes) return bytes.error();
    const auto kind = model::documentKindOf(bytes.value(), path);
    if (!kind) return kind.error();
    switch (kind.value()) {
    case model::DocumentKind::Standards: return describeStandards(bytes.value(), path);
    case model::DocumentKind::Graph: return describeGraphs(bytes.value(), path);
    case model::DocumentKind::Autotest: return describeAutotests(bytes.value(), path);
    }
    return std::nullopt;
}

int runInfo(const std::string &path) {
    const Failure failure = describe(path);
    if (!failure) return 0;
    std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(failure->text()).c_str());
    return 1;
}

}  // namespace

void addInfoCommand(CLI::App &app, int &exitCode) {
    auto path = std::make_shared<std::string>();
    CLI::App *cmd = app.add_subcommand("info", "Show the kind, revision, comment and record counts of a "
                                               ".tat, .frt or .nrm file");
    cmd->add_option("FILE", *path, "Document file")->required();
    cmd->callback([path, &exitCode] { exitCode = runInfo(*path); });
}

}  // namespace quillet::cli
