#include "document_header.h"

#include "file_io.h"

#include "archive_reader.h"
#include "revision.h"

namespace quillet::model {
namespace {

constexpr std::size_t kQuotedHeaderLength = 80;

std::string_view afterTab(std::string_view text) {
    const std::size_t tab = text.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : text.substr(tab + 1);
}

std::string_view autotestKindPart(std::string_view header) {
    std::string_view rest = afterTab(header);
    const std::size_t tab = rest.find('\t');
    return tab == std::string_view::npos ? rest : rest.substr(tab + 1);
}

std::string readHeaderString(ArchiveReader &ar) {
    ArchiveReader::Scope scope(ar, "header");
    return ar.readString();
}

}  // namespace

std::string_view kindText(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::Autotest: return "Document AutoTest";
    case DocumentKind::Graph: return "Document Graphique";
    case DocumentKind::Standards: return "Document Norme";
    }
    return "";
}

std::string_view kindWord(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::Autotest: return "autotest";
    case DocumentKind::Graph: return "graph";
    case DocumentKind::Standards: return "standards";
    }
    return "";
}

std::string ownHeader(DocumentKind kind) {
    std::string header(kDocumentProductName);
    header += "\tv";
    header += kDocumentRevision;
    header += "\t";
    header += kindText(kind);
    return header;
}

bool headerNamesKind(std::string_view header, DocumentKind kind) {
    if (!header.starts_with(kDocumentProductName)) return false;
    if (kind == DocumentKind::Autotest) return autotestKindPart(header) == kindText(kind);
    const std::size_t first = header.find('\t');
    if (first == std::string_view::npos) return false;
    const std::size_t second = header.find('\t', first + 1);
    return second != std::string_view::npos && header.substr(second + 1) == kindText(kind);
}

std::optional<DocumentKind> kindOfHeader(std::string_view header) {
    for (DocumentKind kind : {DocumentKind::Autotest, DocumentKind::Graph, DocumentKind::Standards}) {
        if (headerNamesKind(header, kind)) return kind;
    }
    return std::nullopt;
}

std::string quotedHeader(std::string_view header) {
    std::string out = "\"";
    for (unsigned char c : header.substr(0, kQuotedHeaderLength)) {
        if (c == '\t') {
            out += "\\t";
        } else {
            out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
        }
    }
    if (header.size() > kQuotedHeaderLength) out += "...";
    return out + "\"";
}

std::optional<FileError> readDocumentHeader(ArchiveReader &ar, DocumentKind kind, const std::string &path,
                                            std::string &header) {
    header = readHeaderString(ar);
    if (!ar.ok()) return archiveFault(ar, path);
    if (!headerNamesKind(header, kind)) {
        std::string what = "not ";
        what += kind == DocumentKind::Autotest ? "an " : "a ";
        what += std::string(kindWord(kind)) + " document: its header " + quotedHeader(header) +
                " does not name \"" + std::string(kDocumentProductName) + "\" and \"" +
                std::string(kindText(kind)) + "\"";
        header.clear();
        return FileError{path, what, std::nullopt, {}};
    }
    ar.setRevision(revisionOfHeader(header));
    return std::nullopt;
}

Result<DocumentKind> documentKindOf(std::span<const std::uint8_t> bytes, const std::string &path) {
    ArchiveReader ar(bytes);
    const std::string header = readHeaderString(ar);
    if (!ar.ok()) return archiveFault(ar, path);
    if (const auto kind = kindOfHeader(header)) return *kind;
    return FileError{path, "not a document of this program: its header is " + quotedHeader(header), std::nullopt, {}};
}

Result<std::vector<std::uint8_t>> readDocumentFile(const std::string &path, std::optional<DocumentKind> kind) {
    return readWholeFile(path, [&](std::span<const std::uint8_t> first) -> std::optional<FileError> {
        std::optional<FileError> refused;
        if (kind) {
            ArchiveReader ar(first);
            std::string header;
            refused = readDocumentHeader(ar, *kind, path, header);
        } else if (auto found = documentKindOf(first, path); !found) {
            refused = found.error();
        }
        // A header running past the first bytes is no header of ours.
        if (refused && first.size() == kStartCheckBytes && refused->offset)
            refused = FileError{path, "not a document of this program: no header in its first bytes", std::nullopt, {}};
        return refused;
    });
}

FileError archiveFault(const ArchiveReader &ar, const std::string &path) {
    return FileError{path, ar.fault().what, ar.fault().offset, ar.fault().context};
}

}  // namespace quillet::model
