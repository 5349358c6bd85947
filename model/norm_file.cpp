#include "norm_file.h"

#include "archive_reader.h"
#include "archive_writer.h"
#include "document_header.h"
#include "file_io.h"
#include "object_array.h"

namespace quillet::model {

Result<NormFile> readNormFile(std::span<const std::uint8_t> bytes, const std::string &path) {
    ArchiveReader ar(bytes);
    NormFile file;
    if (auto error = readDocumentHeader(ar, DocumentKind::Standards, path, file.header)) return *error;
    if (!ar.passes(Gate::DocumentRecords)) return file;
    file.comment = ar.readString();
    loadObjectArray(ar, file.standards, "standards");
    if (!ar.ok()) return archiveFault(ar, path);
    return file;
}

std::vector<std::uint8_t> encodeNormFile(const NormFile &file) {
    ArchiveWriter ar;
    ar.writeString(ownHeader(DocumentKind::Standards));
    ar.writeString(file.comment);
    storeObjectArray(ar, file.standards);
    return ar.release();
}

Result<NormFile> loadNormFile(const std::string &path) {
    auto bytes = readDocumentFile(path, DocumentKind::Standards);
    if (!bytes) return bytes.error();
    return unlessOutOfMemory(path, "load the document", [&] { return readNormFile(bytes.value(), path); });
}

SaveResult saveNormFile(const std::string &path, const NormFile &file) {
    return unlessOutOfMemory(path, "save the document", [&] { return writeFileAtomically(path, encodeNormFile(file)); });
}

}  // namespace quillet::model
