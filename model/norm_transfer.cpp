#include "norm_transfer.h"

#include <cstdio>
#include <cstdlib>

#include "autotest_transfer.h"
#include "quillet_strings.h"
#include "tester_reads.h"
#include "torvlink.h"

namespace quillet::model {
namespace {

constexpr int kSelectNormsDialog = 106;
constexpr int kNoNormAvailable = 106;
constexpr int kNoSelectedNorm = 107;
constexpr int kUnableToReadNorm = 108;
constexpr int kSearchingNorms = 110;
constexpr int kReadingNorms = 111;

// The listing line of a standard, or nothing when its summary or its name
// cannot be read.
std::optional<std::string> normLine(int index) {
    NormRecord summary{};
    if (TorvikGetNorm(&summary, index, -1) != 0) return std::nullopt;
    char name[81] = {};
    if (TorvikGetMsg(name, summary.nameMsgNr) != 0) return std::nullopt;
    char number[16];
    std::snprintf(number, sizeof number, "%02d", index + 1);
    return std::string(number) + "\t" + name + "\t";
}

}  // namespace

std::optional<std::vector<std::string>> listTesterNorms(UserInteraction &ui) {
    const int count = TorvikGetNbNorms();
    if (count < 0) return std::nullopt;
    auto progress = ui.beginProgress(resourceString(kSearchingNorms));
    progress->setRange(0, count);
    progress->setStep(1);
    std::vector<std::string> lines;
    for (int index = 0; index < count; ++index) {
        if (progress->cancelled()) return std::nullopt;
        progress->step();
        if (auto line = normLine(index)) lines.push_back(std::move(*line));
    }
    return lines;
}

int normIndexOfLine(const std::string &line) { return std::atoi(line.c_str()) - 1; }

// The name is the second field, as a site's is in the site listing.
std::string normNameOfLine(const std::string &line) { return siteNameOfLine(line); }

std::vector<CNorm> downloadNorms(const std::vector<std::string> &chosenLines, UserInteraction &ui) {
    auto progress = ui.beginProgress(resourceString(kReadingNorms));
    progress->setRange(0, static_cast<int>(chosenLines.size()));
    progress->setStep(1);
    std::vector<CNorm> standards;
    for (const std::string &line : chosenLines) {
        progress->step();
        CNorm standard;
        if (readNormFromTester(standard, normIndexOfLine(line), -1) == 0) {
            standards.push_back(std::move(standard));
        } else {
            ui.message(formatResource(kUnableToReadNorm, normNameOfLine(line)), MessageIcon::Exclamation,
                       MessageButtons::Ok);
        }
    }
    return standards;
}

std::optional<NormDownload> downloadTesterNorms(UserInteraction &ui) {
    while (true) {
        const auto lines = listTesterNorms(ui);
        if (!lines) return std::nullopt;
        if (lines->empty()) {
            ui.message(resourceString(kNoNormAvailable), MessageIcon::Exclamation, MessageButtons::Ok);
            return std::nullopt;
        }
        const auto selection = ui.select({kSelectNormsDialog, *lines, {}});
        if (!selection) return std::nullopt;
        if (selection->chosen.empty()) {
            ui.message(resourceString(kNoSelectedNorm), MessageIcon::Exclamation, MessageButtons::Ok);
            continue;
        }
        std::vector<std::string> chosen;
        for (std::size_t i : selection->chosen) {
            if (i < lines->size()) chosen.push_back((*lines)[i]);
        }
        NormDownload download{downloadNorms(chosen, ui), selection->saveAfterTransfer};
        if (download.standards.empty()) return std::nullopt;
        return download;
    }
}

}  // namespace quillet::model
