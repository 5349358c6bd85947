// Which device a port number opens: the program's choice, else the
// environment variable TORVIK_COM<n>, else the n-th standard serial port.
#include <cstdlib>
#include <string>

#include "link_state.h"
#include "text_copy.h"
#include "torvlink.h"

namespace torvlink {

std::string portDevicePath(int32_t port) {
    if (port < 1 || port > 4) return {};
    const std::string &chosen = link().portDevices[static_cast<std::size_t>(port - 1)];
    if (!chosen.empty()) return chosen;
    std::string variable = "TORVIK_COM" + std::to_string(port);
    if (const char *fromEnvironment = std::getenv(variable.c_str()); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return "/dev/ttyS" + std::to_string(port - 1);
}

}  // namespace torvlink

extern "C" {

int32_t TorvlinkSetPortDevice(int32_t port, const char *path) {
    if (port < 1 || port > 4) return TORVIK_ERR_PORT;
    torvlink::link().portDevices[static_cast<std::size_t>(port - 1)] = path ? path : "";
    return 0;
}

int32_t TorvlinkGetPortDevice(int32_t port, char *buffer, int32_t size) {
    torvlink::copyText(buffer, size, torvlink::portDevicePath(port));
    return port < 1 || port > 4 ? TORVIK_ERR_PORT : 0;
}

}  // extern "C"
