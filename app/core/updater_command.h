// The firmware upgrader's command line: "-c" and the six link fields of the
// stored communication parameters, parity after the stop bits.
#pragma once

#include <string>

#include "comm_params.h"

namespace quillet {

// The program file's folder and name below the program's own folder.
inline constexpr const char *kUpdaterFolder = "RIVO";
inline constexpr const char *kUpdaterProgram = "rivo32";

// "-c1,38400,8,1,n,n" for the defaults. The upgrader knows the hardware
// handshake as 'h' where the stored form says 'd'.
std::string updaterLinkOption(const CommParams &params);

// The whole line as the upgrader sees it: "rivo " + updaterLinkOption().
std::string updaterCommandLine(const CommParams &params);

}  // namespace quillet
