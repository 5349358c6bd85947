// Whole files in and out. A document is read into memory in one piece (the
// archive reader then checks every count against it), and written through a
// temporary file in the same folder that replaces the target only once it
// is complete and on disk: a failed save leaves the previous file as it was.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "file_result.h"

namespace quillet::model {

// Files above this size are refused rather than read: no document of the
// tester comes near it.
inline constexpr std::uint64_t kMaxDocumentBytes = 1ull << 30;

Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path);

// Temporary file beside the target (same folder, so the rename stays on one
// file system), written, flushed to disk, renamed over the target, and the
// folder flushed. On any failure the temporary file is removed.
SaveResult writeFileAtomically(const std::string &path, std::span<const std::uint8_t> bytes);

}  // namespace quillet::model
