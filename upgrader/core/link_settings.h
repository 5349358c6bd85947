// The upgrader's serial-link settings and the pause it makes before every
// write so that a slow monitor is ready for the next line.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>

namespace rivo {

inline constexpr std::array<int32_t, 9> kBaudRates{600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

enum class Parity { Even = 0, Odd = 1, None = 2, Ignored = 3 };  // ignored goes out as none
enum class FlowControl { XonXoff = 0, Hardware = 1, None = 2 };

struct LinkSettings {
    int port = 1;            // 1 to 8
    int baudIndex = 4;       // into kBaudRates: 9600
    bool eightDataBits = true;
    bool twoStopBits = false;
    Parity parity = Parity::None;
    FlowControl flow = FlowControl::None;
    int waitCharacters = 5;  // character times waited before each write, 0 to 255

    int32_t rate() const;
    int dataBits() const { return eightDataBits ? 8 : 7; }
    int stopBits() const { return twoStopBits ? 2 : 1; }
    bool paritySent() const { return parity == Parity::Even || parity == Parity::Odd; }
    // Bits of one character on the line: start, data, parity, stop.
    int bitsPerCharacter() const;

    bool operator==(const LinkSettings &) const = default;
};

// The index of a rate in kBaudRates; the index of 9600 for any other rate.
int baudIndexOf(int32_t rate);

// waitCharacters × bits per character × 1000 / rate, in whole milliseconds.
std::chrono::milliseconds waitBeforeWrite(const LinkSettings &settings);

}  // namespace rivo
