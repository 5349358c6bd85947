// Opening the link to the tester before a transfer or the identification:
// the stored parameters, the retry with another port, the check that this
// program can read the tester's data.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "user_interaction.h"

namespace quillet {

// Offers the port choice (current port 1..4); the new port, or nothing when
// the user cancelled.
using PortChooser = std::function<std::optional<int>(int currentPort)>;

struct TesterLinkContext {
    UserPrompt &prompt;
    PortChooser choosePort;
    std::string ownVersion;  // this program's product version
};

// True when the link is open and usable; the caller closes it on each of
// its exits. False (link closed) when the user gave up.
bool openTesterLink(const TesterLinkContext &context);

// "&Identify connected tester...": the port, the tester and its user in an
// information box, or message 239 when they cannot be read.
void identifyTester(const TesterLinkContext &context);

}  // namespace quillet
