// The autotest document file (".tat"): the header, the comment, then - when
// the document revision admits its records - a summary of the sites (for
// the open dialog's preview only, never interpreted) and the sites as an
// array of tagged CSite objects.
//
// The functions take the site record as a parameter (CSite for the
// program; the tests use a smaller stand-in): Site needs kArchiveClass
// (ArchiveClass::Site), store, load and summaryEntry ("ROOM1" + "(" + its
// date + ")").
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "archive_reader.h"
#include "archive_writer.h"
#include "document_header.h"
#include "file_io.h"
#include "file_result.h"
#include "object_array.h"

namespace quillet::model {

template <class Site>
struct AutotestFile {
    std::string header;  // as read; storing always writes the program's own
    std::string comment;
    std::vector<Site> sites;
};

// What the open dialog shows of a file without loading its sites.
struct AutotestPreview {
    std::string header;
    std::string comment;
    std::string summary;                     // as stored; "" when absent
    std::optional<std::uint32_t> siteCount;  // none when the revision holds no sites
};

namespace detail {
// Reads and checks the header, reads the comment; recordsFollow tells
// whether the revision admits the summary and the sites.
std::optional<FileError> readAutotestStart(ArchiveReader &ar, const std::string &path, std::string &header,
                                           std::string &comment, bool &recordsFollow);
void skipAutotestSummary(ArchiveReader &ar);
void writeAutotestStart(ArchiveWriter &ar, const std::string &comment, const std::string &summary);
}  // namespace detail

// The sites' entries joined by ", ".
template <class Site>
std::string autotestSummary(const std::vector<Site> &sites) {
    std::string summary;
    for (const Site &site : sites) {
        if (!summary.empty()) summary += ", ";
        summary += site.summaryEntry();
    }
    return summary;
}

// A file of revision "Z.00" up to "Z.06" gives its header and comment only.
template <class Site>
Result<AutotestFile<Site>> readAutotestFile(std::span<const std::uint8_t> bytes, const std::string &path) {
    ArchiveReader ar(bytes);
    AutotestFile<Site> file;
    bool recordsFollow = false;
    if (auto error = detail::readAutotestStart(ar, path, file.header, file.comment, recordsFollow)) return *error;
    if (recordsFollow) {
        detail::skipAutotestSummary(ar);
        loadObjectArray(ar, file.sites, "sites");
    }
    if (!ar.ok()) return archiveFault(ar, path);
    return file;
}

template <class Site>
std::vector<std::uint8_t> encodeAutotestFile(const AutotestFile<Site> &file) {
    ArchiveWriter ar;
    detail::writeAutotestStart(ar, file.comment, autotestSummary(file.sites));
    storeObjectArray(ar, file.sites);
    return ar.release();
}

template <class Site>
Result<AutotestFile<Site>> loadAutotestFile(const std::string &path) {
    auto bytes = readDocumentFile(path, DocumentKind::Autotest);
    if (!bytes) return bytes.error();
    return unlessOutOfMemory(path, "load the document", [&] { return readAutotestFile<Site>(bytes.value(), path); });
}

template <class Site>
SaveResult saveAutotestFile(const std::string &path, const AutotestFile<Site> &file) {
    return unlessOutOfMemory(path, "save the document",
                             [&] { return writeFileAtomically(path, encodeAutotestFile(file)); });
}

// Header, comment, stored summary and number of sites, without the sites.
Result<AutotestPreview> readAutotestPreview(std::span<const std::uint8_t> bytes, const std::string &path);

}  // namespace quillet::model
