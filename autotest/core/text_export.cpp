#include "text_export.h"

#include <cstdio>

#include "detail_lines.h"
#include "plug_list.h"
#include "quillet_strings.h"

namespace quillet::autotest {
namespace {

void replaceAll(std::string &text, const std::string &from, const std::string &to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

// Removes the lead field and the plug number field of a list line.
std::string withoutTwoFields(std::string line) {
    for (int i = 0; i < 2; ++i) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || line.size() <= 2) break;
        line.erase(0, tab + 1);
    }
    return line;
}

bool isDetailColumnHeading(const std::string &line) {
    for (int id : {163, 206, 272, 273}) {
        const std::string word = resourceString(id);
        if (!word.empty() && line.find(word) != std::string::npos) return true;
    }
    return false;
}

bool writeText(std::FILE *file, const std::string &text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

}  // namespace

ExportInput exportInputOf(const PlugList &list, const std::string &title) {
    ExportInput input;
    input.summaryLines = list.summaryLines(title);
    input.headingLine = list.heading().text;
    for (const auto &line : list.lines()) input.plugLines.push_back(line.line.text);
    input.detailedMask = list.detailedMask();
    return input;
}

std::string exportSiteBlock(const std::vector<std::string> &summaryLines) {
    std::string block;
    for (std::string line : summaryLines) {
        if (!line.empty()) line.erase(0, 1);
        replaceAll(line, ", ", "\t");
        replaceAll(line, ": ", ":\t");
        block += line + "\r\n";
    }
    return block;
}

std::string exportHeading(const std::string &headingLine) { return withoutTwoFields(headingLine) + "\r\n"; }

std::string exportPlugLine(const std::string &line, std::uint32_t detailedMask) {
    std::string out = withoutTwoFields(line);
    if (isDetailColumnHeading(out)) out = wiringHeading(detailedMask);
    if (const std::size_t dashes = out.find(" --"); dashes != std::string::npos) {
        const std::size_t tab = out.find('\t', dashes);
        if (tab == std::string::npos)
            out.erase(dashes, 1);
        else
            out.erase(dashes, tab - dashes);
    }
    return out + "\r\n";
}

int writeExport(const std::string &path, const ExportInput &input, ExportMode mode) {
    std::FILE *file = std::fopen(path.c_str(), mode == ExportMode::Append ? "ab" : "wb");
    if (!file) return 156;
    int result = 0;
    if (mode == ExportMode::Append && !writeText(file, "\r\r\n")) result = 212;
    for (const std::string &line : input.summaryLines) {
        if (!writeText(file, exportSiteBlock({line}))) result = 212;
    }
    if (result == 0) {
        if (!writeText(file, exportHeading(input.headingLine))) {
            result = 212;
        } else {
            for (const std::string &line : input.plugLines) {
                if (!writeText(file, exportPlugLine(line, input.detailedMask))) result = 213;
            }
        }
    }
    if (std::fclose(file) != 0 && result == 0) result = 213;
    return result;
}

}  // namespace quillet::autotest
