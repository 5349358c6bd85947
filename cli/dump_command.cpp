#include "dump_command.h"

#include <cstdio>
#include <memory>
#include <string>

#include "document_json.h"
#include "document_loading.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

int runDump(const std::string &path) {
    const auto document = loadDocument(path);
    if (!document) {
        std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(document.error().text()).c_str());
        return 1;
    }
    writeDocumentJson(stdout, document.value());
    return 0;
}

}  // namespace

void addDumpCommand(CLI::App &app, int &exitCode) {
    auto path = std::make_shared<std::string>();
    CLI::App *cmd = app.add_subcommand("dump", "Write a .tat, .frt or .nrm file as JSON, every field "
                                               "of every record");
    cmd->add_option("FILE", *path, "Document file")->required();
    cmd->callback([path, &exitCode] { exitCode = runDump(*path); });
}

}  // namespace quillet::cli
