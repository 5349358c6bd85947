#include "autotest_file.h"

namespace quillet::model::detail {

std::optional<FileError> readAutotestStart(ArchiveReader &ar, const std::string &path, std::string &header,
                                           std::string &comment, bool &recordsFollow) {
    if (auto error = readDocumentHeader(ar, DocumentKind::Autotest, path, header)) return error;
    comment = ar.readString();
    if (!ar.ok()) return archiveFault(ar, path);
    recordsFollow = ar.passes(Gate::DocumentRecords);
    return std::nullopt;
}

void skipAutotestSummary(ArchiveReader &ar) {
    ArchiveReader::Scope scope(ar, "summary");
    ar.readString();
}

void writeAutotestStart(ArchiveWriter &ar, const std::string &comment, const std::string &summary) {
    ar.writeString(ownHeader(DocumentKind::Autotest));
    ar.writeString(comment);
    ar.writeString(summary);
}

}  // namespace quillet::model::detail

namespace quillet::model {

Result<AutotestPreview> readAutotestPreview(std::span<const std::uint8_t> bytes, const std::string &path) {
    ArchiveReader ar(bytes);
    AutotestPreview preview;
    bool recordsFollow = false;
    if (auto error = detail::readAutotestStart(ar, path, preview.header, preview.comment, recordsFollow)) {
        return *error;
    }
    // The preview is a courtesy of the open dialog: a file that ends before
    // its summary or count still shows its comment.
    const std::string summary = ar.readString();
    if (!ar.ok()) return preview;
    preview.summary = summary;
    if (recordsFollow) {
        const std::uint32_t count = ar.readCount(kMinTaggedObjectBytes);
        if (ar.ok()) preview.siteCount = count;
    }
    return preview;
}

}  // namespace quillet::model
