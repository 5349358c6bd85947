// CRivoComm: the upgrader's serial link. Lines go out with one line feed
// after the wait characters; answers are read byte by byte up to a line
// feed, one deadline per answer.
#pragma once

#include <memory>
#include <string>

#include "dialogue.h"
#include "link_settings.h"
#include "serial_transport.h"

namespace rivo {

struct Answer {
    bool received = false;  // at least one byte came
    std::string line;       // as received, line feed included when it came
};

class CRivoComm {
public:
    static constexpr std::size_t kMaxAnswer = 255;

    CRivoComm(std::unique_ptr<SerialTransport> transport, const Dialogue &dialogue)
        : transport_(std::move(transport)), dialogue_(dialogue) {}

    // 0 or the system's error number.
    int open(const LinkSettings &settings);
    // Releases the port; a failure is shown with text 11/12.
    void close();
    bool isOpen() const { return transport_->isOpen(); }

    // Sends `text` cut at its first carriage return or line feed, plus one
    // line feed; with `waitDrain`, returns once the bytes have left (at most
    // ten seconds). False when the write failed.
    bool send(const std::string &text, bool waitDrain);
    // One answer line, waiting at most `seconds` in all.
    Answer receive(int seconds);

private:
    std::unique_ptr<SerialTransport> transport_;
    const Dialogue &dialogue_;
    LinkSettings settings_;
};

// An answer as trace mode shows it: "\r" and "\n" written out.
std::string visibleLineEnds(const std::string &line);

}  // namespace rivo
