// quillet-cli: batch work with the tester and the document files, without
// windows.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <new>

#include "download_command.h"
#include "dump_command.h"
#include "export_command.h"
#include "identify_command.h"
#include "info_command.h"
#ifdef QUILLET_CLI_PLOT
#include "plot_command.h"
#endif
#include "profile.h"
#include "regional_profile.h"
#include "resave_command.h"
#ifdef QUILLET_CLI_REPORT
#include "report_command.h"
#endif

int main(int argc, char **argv) {
    CLI::App app{"quillet-cli: batch work with the Torvik tester and Quillet files"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "quillet-cli " QUILLET_SUITE_VERSION);
    quillet::loadProgramRegional(quillet::profilePath());
    int exitCode = 0;
    quillet::cli::addIdentifyCommand(app, exitCode);
    quillet::cli::addDownloadCommand(app, exitCode);
    quillet::cli::addExportCommand(app, exitCode);
    quillet::cli::addInfoCommand(app, exitCode);
    quillet::cli::addDumpCommand(app, exitCode);
    quillet::cli::addResaveCommand(app, exitCode);
#ifdef QUILLET_CLI_PLOT
    quillet::cli::addPlotCommand(app, exitCode);
#endif
#ifdef QUILLET_CLI_REPORT
    quillet::cli::addReportCommand(app, exitCode);
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e);
    } catch (const std::bad_alloc &) {
        // Files are saved atomically: nothing half-written is left behind.
        std::fputs("quillet-cli: not enough memory\n", stderr);
        return 1;
    }
    return exitCode;
}
