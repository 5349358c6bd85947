#include "listing_export.h"

#include "file_io.h"
#include "norm_listing.h"

namespace quillet::standards {

std::vector<std::uint8_t> listingExportBytes(const std::vector<std::string> &lines) {
    std::vector<std::uint8_t> bytes;
    for (const std::string &line : lines) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    return bytes;
}

model::SaveResult exportNormListing(const std::string &path, const model::NormFile &file,
                                    const NumberFormat &format) {
    return model::writeFileAtomically(path, listingExportBytes(normListingLines(file.standards, format)));
}

}  // namespace quillet::standards
