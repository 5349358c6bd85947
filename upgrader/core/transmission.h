// The transmission of one firmware file to one monitor: mode switch, mode
// check, every record acknowledged, the end record, "EXITRIVO". Each call
// of step() does one exchange, so the window stays responsive in between.
#pragma once

#include <optional>
#include <string>

#include "firmware_reader.h"
#include "matching.h"
#include "rivo_comm.h"

namespace rivo {

enum class TransmissionResult { Success, Restart, Failed, Cancelled };

// "OK" without "NACK", in any case.
bool isAcknowledgement(const std::string &answer);

class Transmission {
public:
    Transmission(const Transfer &transfer, CRivoComm &comm, const Dialogue &dialogue);

    // One step; the result once the transmission is over.
    std::optional<TransmissionResult> step();
    int sentRecords() const { return sent_; }

private:
    enum class Stage { ModeSwitch, ModeCheck, NextRecord, SendRecord, Leave };
    static constexpr int kAttempts = 3;

    std::optional<TransmissionResult> switchMode();
    std::optional<TransmissionResult> checkMode();
    std::optional<TransmissionResult> readRecord();
    std::optional<TransmissionResult> sendRecord();
    std::optional<TransmissionResult> leave();
    // Counts a failed attempt: the failure box after the third.
    std::optional<TransmissionResult> failed(TextId what, const std::string &line, TextId reason);
    void goTo(Stage stage);
    void showProgress();

    Transfer transfer_;
    CRivoComm &comm_;
    const Dialogue &dialogue_;
    FirmwareReader reader_;
    bool readable_ = false;
    Stage stage_ = Stage::ModeSwitch;
    int attempt_ = 1;
    std::string record_;
    int sent_ = 0;
};

// Runs a transmission in its window; its Cancel button asks text 69/70.
TransmissionResult transmit(const Transfer &transfer, CRivoComm &comm, const Dialogue &dialogue);

}  // namespace rivo
