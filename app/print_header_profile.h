// The print header in the profile: what its dialog proposes and stores, and
// what every printed report reads.
#pragma once

#include "print_header.h"

namespace quillet {

// The stored header over `defaults` (the dialog's or the reports').
PrintHeader loadPrintHeader(const PrintHeader &defaults);
// Writes all twelve keys.
void savePrintHeader(const PrintHeader &header);

// For the reports: fills *header (when given) with the stored header, a
// missing key taking the reports' default; returns the height of the
// header in lines, always 6.
int readPrintHeader(PrintHeader *header);

}  // namespace quillet
