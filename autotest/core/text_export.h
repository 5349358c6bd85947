// The text export of a site window: the site summary, the plug-list heading
// and the plug lines, turned into tab-separated lines ending "\r\n" that a
// spreadsheet reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillet::autotest {

struct ExportInput {
    std::vector<std::string> summaryLines;  // as the site summary list holds them
    std::string headingLine;                // the plug list's heading
    std::vector<std::string> plugLines;     // the plug list, detail lines included
    std::uint32_t detailedMask = 0;
};

class PlugList;

// What a site window shows, as the export takes it: the summary over the
// plugs shown, the heading, and every line of the list.
ExportInput exportInputOf(const PlugList &list, const std::string &title);

std::string exportSiteBlock(const std::vector<std::string> &summaryLines);
std::string exportHeading(const std::string &headingLine);
std::string exportPlugLine(const std::string &line, std::uint32_t detailedMask);

enum class ExportMode { Replace, Append };

// Writes the export to the file: 0, or the text number of the failure
// (156 the file could not be created, 212 the site data, 213 the plugs);
// a failing line does not stop the lines after it.
int writeExport(const std::string &path, const ExportInput &input, ExportMode mode);

}  // namespace quillet::autotest
