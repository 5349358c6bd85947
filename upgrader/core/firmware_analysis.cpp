#include "firmware_analysis.h"

#include "compat_list.h"
#include "firmware_reader.h"
#include "intel_hex.h"

namespace rivo {

namespace {

// The progress of the analysis window: bytes read × 100 / file size.
class ReadProgress {
public:
    ReadProgress(UpgraderUi &ui, std::uintmax_t size) : ui_(ui), size_(size) { ui_.setProgress(0); }

    void add(std::size_t length)
    {
        read_ = std::min(size_, read_ + length + 1);
        const int percent = size_ == 0 ? 100 : static_cast<int>((read_ * 100 + size_ / 2) / size_);
        if (percent != shown_)
            ui_.setProgress(shown_ = percent);
    }

private:
    UpgraderUi &ui_;
    std::uintmax_t size_;
    std::uintmax_t read_ = 0;
    int shown_ = 0;
};

// Shows the list in trace mode, one entry a line, under text 79/80.
void traceList(const Dialogue &dialogue, const std::vector<std::string> &entries)
{
    std::string shown = dialogue.text(kCompatibilityList) + ":";
    for (const std::string &entry : entries)
        shown += "\n" + entry;
    dialogue.trace(shown);
}

}  // namespace

AnalysisResult analyseFirmware(FirmwareFile &file, const Dialogue &dialogue)
{
    UpgraderUi &ui = dialogue.ui();
    FirmwareReader reader;
    if (!reader.open(file.path)) {
        dialogue.unableToUpgrade(insert(dialogue.text(kCannotOpenFile), file.name));
        return AnalysisResult::Failed;
    }
    ui.setProgressTexts(insert(dialogue.text(kAnalysingFile), file.name), {});
    ReadProgress progress(ui, reader.size());
    CompatListReader list;
    uint16_t records = 0;
    bool ended = false;
    while (!ended) {
        if (ui.cancelPressed() && dialogue.confirmAbort(kAbortAnalysis))
            return AnalysisResult::Cancelled;
        const std::optional<std::string> piece = reader.next();
        if (!piece)
            break;
        progress.add(piece->size());
        const std::string line = toUpper(*piece);
        if (!line.starts_with(':'))
            continue;
        const auto bytes = recordBytes(line);
        if (!bytes) {
            dialogue.unableToUpgrade(insert(dialogue.text(kFileWrong), file.name));
            return AnalysisResult::Failed;
        }
        // Extended address records carry address bits, never list text:
        // their data (often two zero bytes, "||") would end the list early.
        if (!list.complete() && !isExtendedAddressRecord(line)) {
            list.addRecordText(recordDataText(*bytes));
            if (list.complete()) {
                if (!splitCompatList(list.listText(), file.compatList)) {
                    dialogue.unableToUpgrade(insert(dialogue.text(kListWrong), file.name));
                    return AnalysisResult::Failed;
                }
                traceList(dialogue, file.compatList);
            }
        }
        ++records;
        ended = containsEndRecord(line);
    }
    if (!ended) {
        dialogue.unableToUpgrade(insert(dialogue.text(kFileWrong), file.name));
        return AnalysisResult::Failed;
    }
    if (file.compatList.empty()) {
        dialogue.unableToUpgrade(insert(dialogue.text(kNoCompatibilityList), file.name));
        return AnalysisResult::Failed;
    }
    file.recordCount = records;
    return AnalysisResult::Done;
}

}  // namespace rivo
