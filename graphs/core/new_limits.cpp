#include "new_limits.h"

#include <cstdio>
#include <cstdlib>

#include "graph_texts.h"
#include "measure_kind.h"
#include "plug_curves.h"
#include "quillet_strings.h"
#include "tester_reads.h"
#include "torvlink.h"

namespace quillet::graphs {
namespace {

using model::MessageButtons;
using model::MessageIcon;

// The standards are read without a site, so without its cable.
constexpr int kNoCable = -1;

void tell(model::UserInteraction &ui, int textId) {
    ui.message(resourceString(textId), MessageIcon::Exclamation, MessageButtons::Ok);
}

std::string limitLine(int kind, int standard, const model::CNorm &norm) {
    char number[16];
    std::snprintf(number, sizeof number, "%01d%02d", kind, standard + 1);
    return std::string(number) + "\t" + norm.name + "\t" + std::string(model::kindName(kind, model::NameForm::Short)) +
           "\t";
}

}  // namespace

std::optional<std::vector<std::string>> listTesterLimits(model::UserInteraction &ui) {
    const int standards = TorvikGetNbNorms();
    if (standards < 0) return std::nullopt;
    auto progress = ui.beginProgress(resourceString(kSearchingLimits));
    progress->setRange(0, standards);
    progress->setStep(1);
    std::vector<std::string> lines;
    for (int i = 0; i < standards; ++i) {
        if (progress->cancelled()) return std::nullopt;
        progress->step();
        model::CNorm norm;
        if (model::readNormFromTester(norm, i, kNoCable) != 0) continue;
        for (int kind = 0; kind < model::kind::kCount; ++kind) {
            const auto *records = norm.limitCurve(kind);
            if (records && records->size() >= 2) lines.push_back(limitLine(kind, i, norm));
        }
    }
    return lines;
}

std::vector<model::CGrphMes> readLimitCurves(const std::vector<std::string> &chosenLines,
                                             const model::CGrphMes &reference, model::UserInteraction &ui) {
    std::vector<model::CGrphMes> curves;
    auto progress = ui.beginProgress(resourceString(kReadingLimits));
    progress->setRange(0, static_cast<int>(chosenLines.size()));
    progress->setStep(1);
    for (const std::string &line : chosenLines) {
        if (progress->cancelled()) break;
        progress->step();
        const int kind = line.empty() ? -1 : line[0] - '0';
        const int standard = line.size() < 3 ? -1 : std::atoi(line.substr(1, 2).c_str()) - 1;
        model::CNorm norm;
        if (standard < 0 || model::readNormFromTester(norm, standard, kNoCable) != 0) {
            tell(ui, kUnableToReadLimits);
            continue;
        }
        auto limit = model::limitCurveAt(norm, kind, reference.frequencies.values());
        if (limit && limit->values.GetSize() > 0) curves.push_back(std::move(*limit));
    }
    return curves;
}

int runNewLimits(model::UserInteraction &ui, model::GraphFile &file, std::size_t referenceCurve) {
    if (referenceCurve >= file.curves.size()) return 0;
    for (;;) {
        const auto lines = listTesterLimits(ui);
        if (!lines) return 0;
        if (lines->empty()) {
            tell(ui, kNoLimitAvailable);
            return 0;
        }
        const auto selection = ui.select({.dialogId = 107, .lines = *lines, .fileName = {}});
        if (!selection) return 0;
        if (selection->chosen.empty()) {
            tell(ui, kNoSelectedLimit);
            continue;
        }
        std::vector<std::string> chosen;
        for (std::size_t index : selection->chosen) chosen.push_back((*lines)[index]);
        const model::CGrphMes reference = file.curves[referenceCurve];
        auto curves = readLimitCurves(chosen, reference, ui);
        const int added = static_cast<int>(curves.size());
        for (auto &curve : curves) file.curves.push_back(std::move(curve));
        return added;
    }
}

}  // namespace quillet::graphs
