#include "identify_command.h"

#include <cstdio>
#include <memory>

#include "identification_text.h"
#include "quillet_strings.h"
#include "tester_identification.h"
#include "tester_session.h"
#include "torvlink.h"

namespace quillet::cli {
namespace {

int runIdentify(const LinkOptions &options) {
    TesterIdentification id;
    const bool opened = openTesterLink(options);
    const bool read = opened && readTesterIdentification(id);
    TorvikCommClose();
    if (!read) {
        std::fprintf(stderr, "quillet-cli: %s\n", resourceString(ids::kUnableToReadTesterInfo));
        return 1;
    }
    std::printf("%s\n", toTerminal(identificationText(id)).c_str());
    return 0;
}

}  // namespace

void addIdentifyCommand(CLI::App &app, int &exitCode) {
    auto options = std::make_shared<LinkOptions>();
    CLI::App *cmd = app.add_subcommand("identify", "Identify the connected tester: port, rate, model, "
                                                   "serial number, revision and user");
    addLinkOptions(*cmd, *options);
    cmd->callback([options, &exitCode] { exitCode = runIdentify(*options); });
}

}  // namespace quillet::cli
