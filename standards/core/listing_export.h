// The text export of a standards document: every listing line followed by
// "\r\n", in Windows-1252 as the texts are held, saved atomically so a
// failed export leaves no file behind and an existing one as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_result.h"
#include "norm_file.h"
#include "number_format.h"

namespace quillet::standards {

std::vector<std::uint8_t> listingExportBytes(const std::vector<std::string> &lines);

model::SaveResult exportNormListing(const std::string &path, const model::NormFile &file,
                                    const NumberFormat &format);

}  // namespace quillet::standards
