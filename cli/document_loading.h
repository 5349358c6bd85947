// Loading any document file by the kind its header names, and storing it
// again, for the commands of the tool that work on files.
#pragma once

#include <string>
#include <variant>

#include "autotest_file.h"
#include "document_header.h"
#include "file_result.h"
#include "graph_file.h"
#include "norm_file.h"
#include "site.h"

namespace quillet::cli {

using AutotestDocument = model::AutotestFile<model::CSite>;

struct LoadedDocument {
    model::DocumentKind kind;
    std::variant<model::NormFile, model::GraphFile, AutotestDocument> file;
};

model::Result<LoadedDocument> loadDocument(const std::string &path);

// Stores the document with this program's header, atomically.
model::SaveResult saveDocument(const std::string &path, const LoadedDocument &document);

// The header line of a loaded document (the one it was read with).
const std::string &headerOf(const LoadedDocument &document);

}  // namespace quillet::cli
