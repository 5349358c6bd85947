#include "block_crc.h"

namespace torvik::sim {

uint16_t crc16(std::string_view data)
{
    uint16_t crc = 0xFFFF;
    for (const char c : data) {
        crc = static_cast<uint16_t>(crc ^ static_cast<unsigned char>(c));
        for (int bit = 0; bit < 8; ++bit) {
            const bool lsb = (crc & 1U) != 0;
            crc = static_cast<uint16_t>(crc >> 1);
            if (lsb)
                crc = static_cast<uint16_t>(crc ^ 0xA001U);
        }
    }
    return crc;
}

}  // namespace torvik::sim
