// quillet-cli: batch work with the tester and the document files, without
// windows.
#include <CLI/CLI.hpp>

#include "identify_command.h"

int main(int argc, char **argv) {
    CLI::App app{"quillet-cli: batch work with the Torvik tester and Quillet files"};
    app.require_subcommand(1);
    int exitCode = 0;
    quillet::cli::addIdentifyCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e);
    }
    return exitCode;
}
