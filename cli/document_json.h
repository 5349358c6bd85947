// A loaded document as JSON, every field of every record, for "dump". Texts
// are converted from the files' Windows-1252 to UTF-8; raw blocks are hex.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdio>

#include "document_loading.h"

namespace quillet::cli {

nlohmann::ordered_json documentJson(const LoadedDocument &document);

// The same text as documentJson(document).dump(2) and a line feed, written
// while walking the document: memory stays near the loaded document's.
void writeDocumentJson(std::FILE *out, const LoadedDocument &document);

}  // namespace quillet::cli
