#include "graph_export.h"

#include <algorithm>
#include <filesystem>

#include "file_io.h"
#include "graph_curves.h"
#include "graph_texts.h"
#include "number_format.h"
#include "quillet_strings.h"

namespace quillet::graphs {

std::string graphExportText(const model::GraphFile &file, const Regional &regional) {
    const NumberFormat format(regional.decimal);
    std::string names, headings, units;
    std::int32_t points = 0;
    for (const model::CGrphMes &curve : file.curves) {
        names += curveDisplayName(curve, regional) + "\t\t";
        headings += std::string(resourceString(kFrequency)) + "\t" + resourceString(kMeas) + "\t";
        units += "MHz\tdB\t";
        points = std::max({points, curve.values.GetSize(), curve.frequencies.GetSize()});
    }
    std::string text = names + "\r\n" + headings + "\r\n" + units + "\r\n";
    for (std::int32_t i = 0; i < points; ++i) {
        for (const model::CGrphMes &curve : file.curves) {
            // A shorter curve leaves its two columns empty.
            if (i < curve.frequencies.GetSize()) text += format.automatic(curve.frequencies.GetAt(i));
            text += "\t";
            if (i < curve.values.GetSize()) text += format.automatic(curve.values.GetAt(i));
            text += "\t";
        }
        text += "\r\n";
    }
    return text;
}

int writeGraphExport(const std::string &path, const model::GraphFile &file, const Regional &regional,
                     GraphExportMode mode) {
    std::vector<std::uint8_t> bytes;
    std::error_code error;
    if (mode == GraphExportMode::Append && std::filesystem::exists(path, error)) {
        auto existing = model::readWholeFile(path);
        if (!existing) return kUnableToCreateFile;
        bytes = std::move(existing.value());
        for (char c : std::string("\r\r\n")) bytes.push_back(static_cast<std::uint8_t>(c));
    }
    const std::string text = graphExportText(file, regional);
    bytes.insert(bytes.end(), text.begin(), text.end());
    return model::writeFileAtomically(path, bytes) ? 0 : kUnableToWriteMeasurements;
}

}  // namespace quillet::graphs
