// Which firmware file goes to which monitor of the instrument.
#pragma once

#include <vector>

#include "dialogue.h"
#include "firmware_file.h"
#include "monitor_list.h"

namespace rivo {

struct Transfer {
    const FirmwareFile *file = nullptr;
    int monitor = 0;  // k
};

// For each monitor in order, the first file (in list order) with an entry
// equal to its reference; with `force`, file i goes to monitor i. Trace
// mode shows every comparison (text 75/76).
std::vector<Transfer> matchFiles(const std::vector<Monitor> &monitors,
                                 const std::vector<FirmwareFile> &files, bool force,
                                 const Dialogue &dialogue);

}  // namespace rivo
