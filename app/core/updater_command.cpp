#include "updater_command.h"

#include <cstdio>

namespace quillet {

std::string updaterLinkOption(const CommParams &p) {
    const char handshake = p.handshake == 'd' ? 'h' : p.handshake;
    char text[96];
    std::snprintf(text, sizeof text, "-c%d,%d,%d,%d,%c,%c", p.port, p.rate, p.dataBits, p.stopBits,
                  p.parity, handshake);
    return text;
}

std::string updaterCommandLine(const CommParams &params) {
    return "rivo " + updaterLinkOption(params);
}

}  // namespace quillet
