// The analysis of one firmware file before anything is sent: every record
// checked, the compatibility list found and checked, the records counted.
#pragma once

#include "dialogue.h"
#include "firmware_file.h"

namespace rivo {

enum class AnalysisResult { Done, Failed, Cancelled };

// Fills the record count and the list of `file` (its name and path set).
// Failures are shown in boxes; the analysis window shows the progress and
// its Cancel button asks text 57/58. Throws UpgraderEnded when a trace box
// is cancelled.
AnalysisResult analyseFirmware(FirmwareFile &file, const Dialogue &dialogue);

}  // namespace rivo
