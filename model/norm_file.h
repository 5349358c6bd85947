// The standards document file (".nrm"): the header, then - when the
// document revision admits its records - the comment and the standards as
// an array of tagged CNorm objects.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "file_result.h"
#include "norm.h"

namespace quillet::model {

struct NormFile {
    std::string header;  // as read; storing always writes the program's own
    std::string comment;
    std::vector<CNorm> standards;
};

// A file of revision "Z.00" up to "Z.06" gives its header only.
Result<NormFile> readNormFile(std::span<const std::uint8_t> bytes, const std::string &path);
std::vector<std::uint8_t> encodeNormFile(const NormFile &file);

Result<NormFile> loadNormFile(const std::string &path);
SaveResult saveNormFile(const std::string &path, const NormFile &file);

}  // namespace quillet::model
