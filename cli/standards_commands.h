// The tool's work on standards: the download of the tester's standards
// into a standards file ("download --standards") and the export of a
// standards file's listing ("export IN.nrm OUT.txt").
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "tester_session.h"

namespace quillet::cli {

struct StandardsDownloadOptions {
    bool wanted = false;        // --standards
    std::string norms = "all";  // tester numbers from 1, as "1,4"
    std::string comment;        // the file's comment
};

// Adds --standards, --norms and --comment to the download command, after
// its site options (which --standards excludes).
std::shared_ptr<StandardsDownloadOptions> addStandardsDownloadOptions(CLI::App &download);

// Downloads the chosen standards and saves them to `output`; 0, or 1 with
// the reason on stderr and no file written.
int runStandardsDownload(const StandardsDownloadOptions &options, const LinkOptions &link,
                         const std::string &output);

// Writes the listing of the standards file `input` to `output`; 0, or 1
// with the reason on stderr and no file written.
int exportStandards(const std::string &input, const std::string &output);

}  // namespace quillet::cli
