#include "rivo_comm.h"

#include <thread>

namespace rivo {

namespace {

constexpr std::chrono::seconds kDrainLimit{10};  // ten ticks of the link's 1000 ms timer

// The wait characters are waited busily for their last millisecond, so a
// late wake-up does not lengthen every line.
void waitFor(std::chrono::milliseconds pause)
{
    const auto due = std::chrono::steady_clock::now() + pause;
    constexpr auto kSpin = std::chrono::milliseconds(1);
    if (pause > kSpin)
        std::this_thread::sleep_until(due - kSpin);
    while (std::chrono::steady_clock::now() < due)
        std::this_thread::yield();
}

}  // namespace

std::string visibleLineEnds(const std::string &line)
{
    std::string shown;
    for (const char c : line) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return shown;
}

int CRivoComm::open(const LinkSettings &settings)
{
    settings_ = settings;
    return transport_->open(settings);
}

void CRivoComm::close()
{
    if (!transport_->isOpen())
        return;
    if (const int error = transport_->close(); error != 0)
        dialogue_.ask(BoxIcon::Warning, dialogue_.text(kCannotClose) + "\n" + systemErrorText(error),
                      BoxButtons::Ok, BoxPurpose::Notice);
}

bool CRivoComm::send(const std::string &text, bool waitDrain)
{
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    line += '\n';
    if (const auto pause = waitBeforeWrite(settings_); pause.count() > 0)
        waitFor(pause);
    const bool written = transport_->write(line);
    if (written && waitDrain)
        transport_->waitDrain(kDrainLimit);
    dialogue_.trace(insert(dialogue_.text(kLineSent), line.substr(0, line.size() - 1)));
    return written;
}

Answer CRivoComm::receive(int seconds)
{
    Answer answer;
    const auto deadline = SerialTransport::Clock::now() + std::chrono::seconds(seconds);
    while (answer.line.size() < kMaxAnswer) {
        const int byte = transport_->readByte(deadline);
        if (byte < 0)
            break;
        answer.line += static_cast<char>(byte);
        if (byte == '\n')
            break;
    }
    answer.received = !answer.line.empty();
    dialogue_.trace(insert(dialogue_.text(kAnswerReceived), visibleLineEnds(answer.line)));
    return answer;
}

}  // namespace rivo
