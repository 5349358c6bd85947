// The run options of the upgrader, read from its command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link_settings.h"
#include "texts.h"

namespace rivo {

struct RunOptions {
    // "-c" with six fields and a port: the link settings, and no link dialog.
    std::optional<LinkSettings> link;
    bool trace = false;   // "-d": every line and comparison shown
    bool force = false;   // "-f": file i goes to monitor i
    std::optional<Language> language;  // "-l": no language choice
    bool repeat = false;  // "-r": next instrument after a complete upgrade
    bool singleFile = false;  // "-s": only the file selected in the welcome window
    int waitCharacters = 5;   // "-w"
};

// Reads the text after the program name: lower-cased, each "-" starts an
// option whose letter follows and whose value runs to the next "-" or the
// end. Unknown letters are ignored.
RunOptions readCommandLine(std::string_view commandLine);

// The words of argv after the program name joined by spaces.
std::string joinArguments(const std::vector<std::string> &arguments);

// The fields of "-c": port,rate,data bits,stop bits,parity,flow. Nothing
// unless all six are present and the port is a number from 1 to 8.
std::optional<LinkSettings> readLinkFields(std::string_view value);

}  // namespace rivo
