#include "tester_session.h"

#include <cstdio>

#include "profile.h"
#include "quillet_strings.h"
#include "tester_text.h"
#include "torvlink.h"
#include "version_check.h"

namespace quillet::cli {

void addLinkOptions(CLI::App &command, LinkOptions &options) {
    command.add_option_function<std::string>(
        "--params", [&options](const std::string &v) { options.params = v; },
        "Communication parameters, as \"1,38400,n,8,1,n\" (default: the profile's)");
    command.add_option_function<std::string>(
        "--device", [&options](const std::string &v) { options.device = v; },
        "Serial device of the port (default: $TORVIK_COM<n>, else /dev/ttyS<n-1>)");
}

CommParams resolveCommParams(const LinkOptions &options) {
    if (options.params) return parseCommParameters(*options.params);
    auto stored = readProfileString(profilePath(), kCommSection, kCommKey);
    return parseCommParameters(stored.value_or(kDefaultCommParameters));
}

std::string toTerminal(const std::string &ansi) { return cp1252ToUtf8(ansi); }

namespace {

std::string linkErrorText(int32_t code) {
    char text[256];
    TorvlinkGetTextError(code, text, sizeof text, 1);
    return toTerminal(text);
}

void checkMinimumVersion() {
    char release[5] = "A.00";
    char test[5] = "Z.00";
    TorvikGetQuilletMinVer(release, test);
    if (release[0] == '\0') std::snprintf(release, sizeof release, "A.00");
    if (test[0] == '\0') std::snprintf(test, sizeof test, "Z.00");
    if (!isRecentEnough(kProductVersion, release, test))
        std::fprintf(stderr, "quillet-cli: %s (%s)\n", resourceString(ids::kNewerVersionNeeded), release);
}

}  // namespace

bool openTesterLink(const LinkOptions &options) {
    if (TorvikCommIsOpen()) return true;
    const CommParams p = resolveCommParams(options);
    if (options.device) TorvlinkSetPortDevice(p.port, options.device->c_str());
    const int32_t code = TorvikCommOpen(p.port, p.rate, p.parity, p.dataBits, p.stopBits, p.handshake);
    if (code != 0) {
        char device[256];
        TorvlinkGetPortDevice(p.port, device, sizeof device);
        std::fprintf(stderr, "quillet-cli: unable to communicate with the tester on COM%d (%s): %s\n", p.port,
                     device, linkErrorText(code).c_str());
        return false;
    }
    checkMinimumVersion();
    return true;
}

}  // namespace quillet::cli
