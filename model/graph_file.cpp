#include "graph_file.h"

#include <array>

#include "archive_reader.h"
#include "archive_writer.h"
#include "document_header.h"
#include "file_io.h"
#include "object_array.h"

namespace quillet::model {
namespace {

// The six texts of the tester's identity and user, in stored order.
template <class File>
auto identityTexts(File &f) {
    return std::array{&f.testerMaker, &f.testerModel, &f.testerSerial, &f.testerRevision, &f.user, &f.company};
}

void storeStringArray(ArchiveWriter &ar, const std::vector<std::string> &lines) {
    ar.writeCount(static_cast<std::uint32_t>(lines.size()));
    for (const std::string &line : lines) ar.writeString(line);
}

// The lines shown under a plot are a handful. An empty line takes one byte
// in the file but a whole string in memory, so their number is bounded too.
constexpr std::uint32_t kMaxCommentLines = 0xFFFF;

void loadStringArray(ArchiveReader &ar, std::vector<std::string> &lines) {
    lines.clear();
    const std::size_t at = ar.offset();
    const std::uint32_t count = ar.readCount(1);  // a string takes at least its length byte
    if (count > kMaxCommentLines) {
        ar.failAt(at, "count of " + std::to_string(count) + " comment lines above the " +
                          std::to_string(kMaxCommentLines) + " a graph document holds");
        return;
    }
    for (std::uint32_t i = 0; i < count && ar.ok(); ++i) lines.push_back(ar.readString());
}

}  // namespace

Result<GraphFile> readGraphFile(std::span<const std::uint8_t> bytes, const std::string &path) {
    ArchiveReader ar(bytes);
    GraphFile file;
    if (auto error = readDocumentHeader(ar, DocumentKind::Graph, path, file.header)) return *error;
    file.comment = ar.readString();
    if (ar.ok() && ar.passes(Gate::DocumentRecords)) {
        file.siteList = ar.readString();
        for (std::string *text : identityTexts(file)) *text = ar.readString();
        file.representationTitle = ar.readString();
        {
            ArchiveReader::Scope scope(ar, "comment lines");
            loadStringArray(ar, file.commentLines);
        }
        loadObjectArray(ar, file.curves, "curves");
    }
    if (!ar.ok()) return archiveFault(ar, path);
    return file;
}

std::vector<std::uint8_t> encodeGraphFile(const GraphFile &file) {
    ArchiveWriter ar;
    ar.writeString(ownHeader(DocumentKind::Graph));
    ar.writeString(file.comment);
    ar.writeString(file.siteList);
    for (const std::string *text : identityTexts(file)) ar.writeString(*text);
    ar.writeString(file.representationTitle);
    storeStringArray(ar, file.commentLines);
    storeObjectArray(ar, file.curves);
    return ar.release();
}

Result<GraphFile> loadGraphFile(const std::string &path) {
    auto bytes = readDocumentFile(path, DocumentKind::Graph);
    if (!bytes) return bytes.error();
    return unlessOutOfMemory(path, "load the document", [&] { return readGraphFile(bytes.value(), path); });
}

SaveResult saveGraphFile(const std::string &path, const GraphFile &file) {
    return unlessOutOfMemory(path, "save the document", [&] { return writeFileAtomically(path, encodeGraphFile(file)); });
}

}  // namespace quillet::model
