#include "upgrade_procedure.h"

#include "firmware_analysis.h"
#include "matching.h"
#include "monitor_list.h"
#include "transmission.h"

namespace rivo {

namespace {

constexpr int kIdentifySeconds = 5;
constexpr int kIdentifyAttempts = 2;

class Procedure {
public:
    Procedure(const UpgradeRequest &request, const Dialogue &dialogue, std::unique_ptr<SerialTransport> transport)
        : request_(request), dialogue_(dialogue), comm_(std::move(transport), dialogue), link_(request.link)
    {
        if (request.options.link)
            link_ = *request.options.link;
        link_.waitCharacters = request.options.waitCharacters;
    }

    UpgradeOutcome run();
    void closeLink() { comm_.close(); }

private:
    bool analyseFiles();
    bool identify(MonitorList &monitors);
    bool openLink();
    std::optional<std::string> askMonitors();
    bool confirm(const std::vector<Transfer> &transfers) const;
    std::string fileLines(const std::vector<Transfer> &transfers) const;

    const UpgradeRequest &request_;
    const Dialogue &dialogue_;
    CRivoComm comm_;
    LinkSettings link_;
    std::vector<FirmwareFile> files_;
};

bool Procedure::analyseFiles()
{
    UpgraderUi &ui = dialogue_.ui();
    for (const std::string &name : request_.files) {
        FirmwareFile file{name, request_.folder / name, 0, {}};
        ui.openProgress(ProgressWindow::Analysis);
        const AnalysisResult result = analyseFirmware(file, dialogue_);
        ui.closeProgress();
        if (result != AnalysisResult::Done)
            return false;
        files_.push_back(std::move(file));
    }
    return true;
}

// The link dialog unless the command line gave the settings, then the port.
bool Procedure::openLink()
{
    comm_.close();
    if (!request_.options.link) {
        if (!dialogue_.ui().chooseLink(link_))
            return false;
        link_.waitCharacters = request_.options.waitCharacters;
    }
    if (const int error = comm_.open(link_); error != 0) {
        dialogue_.ask(BoxIcon::None,
                      systemErrorText(error) + ".\n\n" + dialogue_.text(kCannotUpgrade) + ". "
                          + dialogue_.text(kContactResaler),
                      BoxButtons::Ok, BoxPurpose::Notice);
        return false;
    }
    return true;
}

// The first answer to "RIVO?" is discarded: the monitor may still be
// finishing what it was doing. Two attempts.
std::optional<std::string> Procedure::askMonitors()
{
    for (int attempt = 0; attempt < kIdentifyAttempts; ++attempt) {
        comm_.send("RIVO?", false);
        comm_.receive(kIdentifySeconds);
        comm_.send("RIVO?", false);
        const Answer answer = comm_.receive(kIdentifySeconds);
        if (answer.received)
            return answer.line;
    }
    return std::nullopt;
}

bool Procedure::identify(MonitorList &monitors)
{
    while (true) {
        if (!openLink())
            return false;
        if (const std::optional<std::string> answer = askMonitors()) {
            monitors = parseMonitorList(*answer);
            for (const Monitor &monitor : monitors.monitors)
                dialogue_.trace(insert(dialogue_.text(kInstrumentMonitor), monitor.reference));
            if (monitors.valid)
                return true;
        }
        if (!dialogue_.retryAfter(dialogue_.text(kCannotIdentify)))
            return false;
    }
}

std::string Procedure::fileLines(const std::vector<Transfer> &transfers) const
{
    std::string lines;
    for (const Transfer &transfer : transfers)
        lines += "\n . \"" + transfer.file->name + "\"";
    return lines;
}

bool Procedure::confirm(const std::vector<Transfer> &transfers) const
{
    return dialogue_.ask(BoxIcon::Information, dialogue_.text(kFilesToSend) + fileLines(transfers),
                         BoxButtons::OkCancel, BoxPurpose::Confirm)
        == BoxAnswer::Ok;
}

UpgradeOutcome Procedure::run()
{
    if (!analyseFiles())
        return UpgradeOutcome::Ended;
    while (true) {
        MonitorList monitors;
        if (!identify(monitors))
            return UpgradeOutcome::Ended;
        const std::vector<Transfer> transfers =
            matchFiles(monitors.monitors, files_, request_.options.force, dialogue_);
        if (transfers.empty()) {
            dialogue_.ask(BoxIcon::Warning, dialogue_.text(kFactoryOnly), BoxButtons::Ok, BoxPurpose::Notice);
            return UpgradeOutcome::Ended;
        }
        if (!confirm(transfers))
            return UpgradeOutcome::Ended;
        TransmissionResult result = TransmissionResult::Success;
        for (const Transfer &transfer : transfers) {
            result = transmit(transfer, comm_, dialogue_);
            if (result != TransmissionResult::Success)
                break;
        }
        if (result == TransmissionResult::Restart || (result == TransmissionResult::Success && request_.options.repeat))
            continue;
        if (result != TransmissionResult::Success)
            return UpgradeOutcome::Ended;
        dialogue_.ask(BoxIcon::Information, dialogue_.text(kUpgradeDone) + fileLines(transfers), BoxButtons::Ok,
                      BoxPurpose::Notice);
        return UpgradeOutcome::Success;
    }
}

}  // namespace

UpgradeOutcome runUpgrade(const UpgradeRequest &request, UpgraderUi &ui, std::unique_ptr<SerialTransport> transport)
{
    const Dialogue dialogue(ui, request.language, request.options.trace);
    if (request.files.empty()) {
        reportNoFirmware(ui, request.language);
        return UpgradeOutcome::Ended;
    }
    Procedure procedure(request, dialogue, std::move(transport));
    UpgradeOutcome outcome = UpgradeOutcome::Ended;
    try {
        outcome = procedure.run();
    } catch (const UpgraderEnded &) {
        ui.closeProgress();
    }
    procedure.closeLink();
    return outcome;
}

void reportNoFirmware(UpgraderUi &ui, Language language)
{
    Dialogue(ui, language, false).unableToUpgrade(text(language, kNoFirmwareFile));
}

}  // namespace rivo
