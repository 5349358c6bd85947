// Opening and closing the link: the port, the tester's remote operation and
// its identification.
#include <cerrno>
#include <string>

#include "link_state.h"
#include "platform_ui.h"
#include "torvlink.h"

namespace torvlink {

std::string portDevicePath(int32_t port);

namespace {

constexpr uint32_t kSettleMs = 1000;

LineSettings settingsOf(int32_t rate, int32_t parity, int32_t dataBits, int32_t stopBits, int32_t flow) {
    LineSettings s;
    s.rate = rate;
    const char parityLetter = static_cast<char>(parity & 0xFF);
    s.parity = parityLetter == 'e' ? Parity::Even : parityLetter == 'o' ? Parity::Odd : Parity::None;
    s.dataBits = (dataBits & 0xFF) == 8 ? 8 : 7;
    s.stopBits = (stopBits & 0xFF) == 1 ? 1 : 2;
    s.handshake = static_cast<char>(flow & 0xFF) == 'd' ? Handshake::DsrDtr : Handshake::None;
    return s;
}

// Opens and configures the device; the link stays closed on failure.
int32_t openPort(int32_t port, const LineSettings &settings, int32_t flow) {
    int error = 0;
    auto device = openSerialPort(portDevicePath(port), error);
    if (!device) return portFailure(error);
    device->discardAll();
    if (static_cast<char>(flow & 0xFF) == 'x') {
        device->close(error);
        return TORVIK_ERR_XONXOFF;
    }
    if (!device->configure(settings, error)) {
        int ignored = 0;
        device->close(ignored);
        return portFailure(error);
    }
    link().port = std::move(device);
    return TORVIK_OK;
}

bool isAcceptedProduct(int32_t code) {
    return code == TORVIK_PRODUCT_CODE_A || code == TORVIK_PRODUCT_CODE_B;
}

// Wakes the tester, checks its product code and learns its revision.
int32_t identifyTester() {
    TorvikOutput("\x14");
    waitMs(kSettleMs);
    TorvikOutput("CL_ERR");
    TorvikOutput("CL_ERR");

    int32_t productCode = 0;
    if (TorvikGetPP(&productCode) != TORVIK_OK) return TORVIK_ERR_NOT_IDENTIFIED;
    char maker[29], model[29], serial[20], revision[5];
    if (TorvikGetId(maker, model, serial, revision) != TORVIK_OK) return TORVIK_ERR_NOT_IDENTIFIED;
    link().revision = revision;
    if (!isAcceptedProduct(productCode)) return TORVIK_ERR_NOT_IDENTIFIED;
    TorvikOutput("REM");
    TorvikOutput("CL_ERR");
    return TORVIK_OK;
}

}  // namespace
}  // namespace torvlink

using namespace torvlink;

extern "C" {

int32_t TorvikCommOpen(int32_t port, int32_t rate, int32_t parity, int32_t dataBits, int32_t stopBits,
                       int32_t flow) {
    if (linkIsOpen()) return TORVIK_OK;
    if (port < 1 || port > 4) return portFailure(ENODEV);
    const LineSettings settings = settingsOf(rate, parity, dataBits, stopBits, flow);
    if (int32_t code = openPort(port, settings, flow); code != TORVIK_OK) return code;

    BusyCursor busy;
    if (int32_t code = identifyTester(); code != TORVIK_OK) {
        TorvikCommClose();
        return code;
    }
    link().portName = "COM" + std::to_string(port);
    link().rate = rate;
    return TORVIK_OK;
}

int32_t TorvikCommClose(void) {
    if (!linkIsOpen()) return TORVIK_OK;
    int error = 0;
    (void)link().port->drainOutput(error);
    TorvikOutput("CL_ERR");
    TorvikOutput("LOC");
    waitMs(kSettleMs);
    auto device = std::move(link().port);
    link().portName.clear();
    link().rate = 0;
    if (!device->close(error)) return portFailure(error);
    return TORVIK_OK;
}

int32_t TorvikCommIsOpen(void) { return linkIsOpen() ? 1 : 0; }

const char *TorvikCommGetPort(void) { return link().portName.c_str(); }

int32_t TorvikCommGetRate(void) { return link().rate; }

}  // extern "C"
