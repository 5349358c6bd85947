// Whole files in and out. A document is read into memory in one piece (the
// archive reader then checks every count against it), and written through a
// temporary file in the same folder that replaces the target only once it
// is complete and on disk: a failed save leaves the previous file as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "file_result.h"

namespace quillet::model {

// Files above this size are refused rather than read: no document of the
// tester comes near it.
inline constexpr std::uint64_t kMaxDocumentBytes = 1ull << 30;

// Only regular files are read (a FIFO or device is refused without
// blocking). Running out of memory is an error, never an exception.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path);

// How many first bytes a start check sees (fewer when the file is shorter).
inline constexpr std::size_t kStartCheckBytes = 4096;
using StartCheck = std::function<std::optional<FileError>(std::span<const std::uint8_t> firstBytes)>;

// As above, but the file's first bytes are checked before the rest is read,
// so a large file that is not a document costs no memory.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path, const StartCheck &checkStart);

// Temporary file beside the target (same folder, so the rename stays on one
// file system), written, flushed to disk, renamed over the target, and the
// folder flushed. On any failure the temporary file is removed, also when
// SIGINT, SIGTERM or SIGHUP ends the program during the save (unless the
// program handles that signal itself: it then calls removeUnfinishedSave).
// The temporary file is named ".<target name>.<process id>.quillet-save",
// so that one left by a killed program is recognised, and replaced by the
// next save of the same target.
SaveResult writeFileAtomically(const std::string &path, std::span<const std::uint8_t> bytes);

// Removes the temporary file of a save in progress, if any. Safe to call
// from a signal handler.
void removeUnfinishedSave();

// The temporary file a save of `path` by process `pid` writes.
std::string temporaryFileOf(const std::string &path, long pid);

}  // namespace quillet::model
