#include "resave_command.h"

#include <cstdio>
#include <memory>
#include <string>

#include "document_loading.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

struct ResavePaths {
    std::string in;
    std::string out;
};

// Nothing is written unless the whole input loaded; the output replaces
// an existing file only once it is complete on disk.
int runResave(const ResavePaths &paths) {
    const auto document = loadDocument(paths.in);
    if (!document) {
        std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(document.error().text()).c_str());
        return 1;
    }
    const auto saved = saveDocument(paths.out, document.value());
    if (!saved) {
        std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(saved.error().text()).c_str());
        return 1;
    }
    return 0;
}

}  // namespace

void addResaveCommand(CLI::App &app, int &exitCode) {
    auto paths = std::make_shared<ResavePaths>();
    CLI::App *cmd = app.add_subcommand("resave", "Load a .tat, .frt or .nrm file and store it again with "
                                                 "this program's header and layout");
    cmd->add_option("IN", paths->in, "Document file to read")->required();
    cmd->add_option("OUT", paths->out, "File to write (replaced only when complete)")->required();
    cmd->callback([paths, &exitCode] { exitCode = runResave(*paths); });
}

}  // namespace quillet::cli
