// The text export of a graph document: per curve two tab-separated columns
// (frequency in MHz, value in dB) under the curve's display name, numbers in
// the automatic format with the user's decimal separator, lines ending
// "\r\n", texts in Windows-1252 as the records hold them.
#pragma once

#include <string>
#include <vector>

#include "graph_file.h"
#include "regional.h"

namespace quillet::graphs {

// The exported text of every curve of the document, in document order.
std::string graphExportText(const model::GraphFile &file, const Regional &regional);

enum class GraphExportMode { Replace, Append };

// Writes the export to `path` through the atomic save: Replace makes the
// file hold the export alone; Append keeps an existing file's bytes and
// adds "\r\r\n" and the export after them (a missing file is created).
// 0, or the text number of the failure (156: the file could not be
// created, 231: the measurements could not be written); a failure leaves
// the file as it was.
int writeGraphExport(const std::string &path, const model::GraphFile &file, const Regional &regional,
                     GraphExportMode mode);

}  // namespace quillet::graphs
