#include "transmission.h"


#include "intel_hex.h"

namespace rivo {

namespace {

constexpr int kModeCheckSeconds = 3;
constexpr int kRecordSeconds = 3;
constexpr int kExitSeconds = 1;

}  // namespace

bool isAcknowledgement(const std::string &answer)
{
    const std::string upper = toUpper(answer);
    return upper.find("OK") != std::string::npos && upper.find("NACK") == std::string::npos;
}

Transmission::Transmission(const Transfer &transfer, CRivoComm &comm, const Dialogue &dialogue)
    : transfer_(transfer), comm_(comm), dialogue_(dialogue)
{
    readable_ = reader_.open(transfer.file->path);
}

std::optional<TransmissionResult> Transmission::step()
{
    switch (stage_) {
    case Stage::ModeSwitch:
        return switchMode();
    case Stage::ModeCheck:
        return checkMode();
    case Stage::NextRecord:
        return readRecord();
    case Stage::SendRecord:
        return sendRecord();
    case Stage::Leave:
        return leave();
    }
    return TransmissionResult::Failed;
}

void Transmission::goTo(Stage stage)
{
    stage_ = stage;
    attempt_ = 1;
}

std::optional<TransmissionResult> Transmission::failed(TextId what, const std::string &line, TextId reason)
{
    if (attempt_++ < kAttempts)
        return std::nullopt;
    std::string message = insert(dialogue_.text(what), line);
    if (reason != what)
        message += "\n" + dialogue_.text(reason);
    return dialogue_.retryAfter(message) ? TransmissionResult::Restart : TransmissionResult::Failed;
}

std::optional<TransmissionResult> Transmission::switchMode()
{
    const std::string command = "MODERIVO" + std::to_string(transfer_.monitor);
    if (comm_.send(command, false)) {
        goTo(Stage::ModeCheck);
        return std::nullopt;
    }
    return failed(kCannotSendCommand, command, kCannotSendCommand);
}

std::optional<TransmissionResult> Transmission::checkMode()
{
    const std::string command = "RIVO?";
    if (!comm_.send(command, false))
        return failed(kCannotSendCommand, command, kCannotSendCommand);
    const Answer answer = comm_.receive(kModeCheckSeconds);
    if (!answer.received)
        return failed(kCannotSendCommand, command, kNoAnswer);
    const MonitorList list = parseMonitorList(answer.line);
    for (const Monitor &monitor : list.monitors)
        dialogue_.trace(insert(dialogue_.text(kInstrumentMonitor), monitor.reference));
    const auto k = static_cast<std::size_t>(transfer_.monitor);
    if (list.valid && k < list.monitors.size() && list.monitors[k].modeFlag != 0) {
        goTo(Stage::NextRecord);
        return std::nullopt;
    }
    return failed(kCannotSendCommand, command, kCannotSetMode);
}

std::optional<TransmissionResult> Transmission::readRecord()
{
    const std::optional<std::string> line = readable_ ? reader_.next() : std::nullopt;
    if (!line) {
        dialogue_.unableToUpgrade(insert(dialogue_.text(kFileWrong), transfer_.file->name));
        return TransmissionResult::Failed;
    }
    if (line->starts_with(':')) {
        record_ = *line;
        goTo(Stage::SendRecord);
    }
    return std::nullopt;
}

std::optional<TransmissionResult> Transmission::sendRecord()
{
    const bool endRecord = containsEndRecord(toUpper(record_));
    const std::string shown = record_.substr(0, record_.find_first_of("\r\n"));
    TextId reason = kCannotSendLine;
    if (comm_.send(record_, true)) {
        const Answer answer = comm_.receive(kRecordSeconds);
        if (answer.received && isAcknowledgement(answer.line)) {
            sent_ = std::min<int>(sent_ + 1, transfer_.file->recordCount);
            showProgress();
            goTo(endRecord ? Stage::Leave : Stage::NextRecord);
            return std::nullopt;
        }
        reason = answer.received ? kLineRefused : kNoAnswer;
    }
    // The end record's own acknowledgement is not required.
    if (endRecord) {
        goTo(Stage::Leave);
        return std::nullopt;
    }
    return failed(kCannotSendLine, shown, reason);
}

std::optional<TransmissionResult> Transmission::leave()
{
    const std::string command = "EXITRIVO";
    if (!comm_.send(command, false))
        return failed(kCannotSendCommand, command, kCannotSendCommand);
    const Answer answer = comm_.receive(kExitSeconds);
    if (answer.received && isAcknowledgement(answer.line))
        return TransmissionResult::Success;
    return failed(kCannotSendCommand, command, answer.received ? kCommandRefused : kNoAnswer);
}

void Transmission::showProgress()
{
    const int count = transfer_.file->recordCount;
    dialogue_.ui().setProgress(count == 0 ? 100 : sent_ * 100 / count);
}

TransmissionResult transmit(const Transfer &transfer, CRivoComm &comm, const Dialogue &dialogue)
{
    UpgraderUi &ui = dialogue.ui();
    ui.openProgress(ProgressWindow::Transmission);
    ui.setProgressTexts(insert(dialogue.text(kTransmittingFile), transfer.file->name),
                        dialogue.text(kInProgress));
    ui.setProgress(0);
    Transmission transmission(transfer, comm, dialogue);
    std::optional<TransmissionResult> result;
    while (!result) {
        if (ui.cancelPressed() && dialogue.confirmAbort(kAbortTransmission))
            result = TransmissionResult::Cancelled;
        else
            result = transmission.step();
    }
    ui.closeProgress();
    return *result;
}

}  // namespace rivo
