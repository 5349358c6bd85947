#include "fake_firmware.h"

#include <algorithm>
#include <cstdio>

namespace torvik::sim {

namespace {

// Text before the marker shows the list need not start a record.
std::string listText(const std::vector<std::string> &references)
{
    std::string text = "FW___LIST_COMP_HEX|";
    for (std::size_t i = 0; i < references.size(); ++i)
        text += (i == 0 ? "" : "|") + references[i];
    return text + "||";
}

}  // namespace

std::string hexRecord(int address, int type, const std::string &data)
{
    char field[16];
    std::snprintf(field, sizeof field, ":%02X%04X%02X", static_cast<unsigned>(data.size()) & 0xFF,
                  static_cast<unsigned>(address) & 0xFFFF, static_cast<unsigned>(type) & 0xFF);
    std::string record = field;
    unsigned sum = static_cast<unsigned>(data.size()) + (static_cast<unsigned>(address) >> 8)
        + (static_cast<unsigned>(address) & 0xFF) + static_cast<unsigned>(type);
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        std::snprintf(field, sizeof field, "%02X", byte);
        record += field;
        sum += byte;
    }
    std::snprintf(field, sizeof field, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return record + field;
}

std::string fakeFirmwareText(const FakeFirmware &firmware)
{
    const std::string list = listText(firmware.references);
    const auto size = static_cast<std::size_t>(std::max(firmware.bytesPerRecord, 1));
    std::string text;
    unsigned long offset = 0;  // bytes of data written so far
    unsigned long segment = 0;  // the upper address bits in force
    unsigned state = static_cast<unsigned>(firmware.seed) * 2654435761u;
    for (int written = 0; written < firmware.records - 1; ++written) {
        if ((offset >> 16) != segment && written < firmware.records - 2) {
            segment = offset >> 16;
            const std::string upper{static_cast<char>((offset >> 24) & 0xFF), static_cast<char>((offset >> 16) & 0xFF)};
            text += hexRecord(0, 4, upper) + "\r\n";
            ++written;
        }
        std::string data;
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t at = offset + i;
            state = state * 1103515245u + 12345u;
            data += at < list.size() ? list[at] : static_cast<char>((state >> 16) & 0xFF);
        }
        text += hexRecord(static_cast<int>(offset & 0xFFFF), 0, data) + "\r\n";
        offset += size;
    }
    return text + ":00000001FF\r\n";
}

}  // namespace torvik::sim
