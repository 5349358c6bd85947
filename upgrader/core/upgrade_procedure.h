// The whole upgrade after the welcome window: analysis of the chosen files,
// then identification, matching, confirmation and transmission, again after
// a restart and, with "-r", for the next instrument.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "run_options.h"
#include "serial_transport.h"
#include "upgrader_ui.h"

namespace rivo {

enum class UpgradeOutcome {
    Success,  // the success box (41/42) was shown
    Ended,    // any other end: a failure, a refusal, a cancel
};

struct UpgradeRequest {
    std::filesystem::path folder;     // where the files are
    std::vector<std::string> files;   // the chosen names, in list order
    RunOptions options;
    Language language = Language::English;
    LinkSettings link;                // preselected in the link dialog
};

UpgradeOutcome runUpgrade(const UpgradeRequest &request, UpgraderUi &ui,
                          std::unique_ptr<SerialTransport> transport);

// The no-file box (3/4 with the failure addition), when nothing was chosen.
void reportNoFirmware(UpgraderUi &ui, Language language);

}  // namespace rivo
