// The header line every document file begins with: the product name, a tab,
// "v" and the writing program's version (the document revision), a tab and
// the document kind. This program writes its own version into every
// document it stores.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "file_result.h"

namespace quillet::model {

class ArchiveReader;

inline constexpr std::string_view kDocumentProductName = "Application Quillet";
inline constexpr std::string_view kDocumentRevision = "D.06";

enum class DocumentKind { Autotest, Graph, Standards };

// "Document AutoTest", "Document Graphique", "Document Norme".
std::string_view kindText(DocumentKind kind);
// "autotest", "graph", "standards": for messages.
std::string_view kindWord(DocumentKind kind);

// "Application Quillet\tvD.06\tDocument Norme"
std::string ownHeader(DocumentKind kind);

// Whether a header line is one of the program's and names the kind. An
// autotest header's kind is what is left after the text up to the first
// tab and then up to the next tab (if any) are removed; the other kinds
// take the text after the second tab.
bool headerNamesKind(std::string_view header, DocumentKind kind);
std::optional<DocumentKind> kindOfHeader(std::string_view header);

// A header line made safe to quote in a message (tabs as \t, other control
// characters as ?, at most 80 characters).
std::string quotedHeader(std::string_view header);

// Reads the header string of a document of the kind, checks it and gives
// the reader the document revision it names. The error says what is wrong.
std::optional<FileError> readDocumentHeader(ArchiveReader &ar, DocumentKind kind, const std::string &path,
                                            std::string &header);

// The kind of document a file's header names; an error when the header
// cannot be read or names none.
Result<DocumentKind> documentKindOf(std::span<const std::uint8_t> bytes, const std::string &path);

// Reads a whole document file, after checking from its first bytes that it
// begins with the program's header (of `kind`, when given): a large file
// that is no document is refused before the rest is read.
Result<std::vector<std::uint8_t>> readDocumentFile(const std::string &path,
                                                   std::optional<DocumentKind> kind = std::nullopt);

// The reader's fault as a file error.
FileError archiveFault(const ArchiveReader &ar, const std::string &path);

}  // namespace quillet::model
