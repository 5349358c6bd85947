// The texts of the upgrader's windows, French and English.
#pragma once

#include <array>

#include "texts.h"

namespace rivo {

struct WindowTexts {
    const char *welcomeTitle;
    const char *welcome;  // five lines
    const char *fileListLabel;
    const char *continueButton, *exitButton, *aboutButton;
    const char *aboutTitle, *aboutLine, *versionLine, *readMeButton, *optionsButton;
    const char *readMeTitle, *readMeFile;
    const char *optionsTitle, *optionsHelp;
    const char *linkTitle, *portsLabel, *baudLabel, *dataBitsLabel, *stopBitsLabel, *parityLabel,
        *handshakeLabel, *linkNote;
    std::array<const char *, 4> parities;    // even, odd, none, ignored
    std::array<const char *, 3> handshakes;  // Xon/Xoff, hardware, none
    const char *analysisTitle, *transmissionTitle;
    const char *ok, *cancel, *yes, *no;
};

const WindowTexts &windowTexts(Language language);

inline constexpr const char *kProgramVersion = "A.09";

}  // namespace rivo
