// CRC-16 of binary blocks: the MODBUS polynomial (0xA001 reflected,
// initial value 0xFFFF, no final exclusive-or), carried on the wire most
// significant byte first.
#include <cstddef>
#include <cstdint>

#include "torvlink.h"

namespace torvlink {

uint16_t crc16(const uint8_t *data, std::size_t length) {
    uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

}  // namespace torvlink

extern "C" {

int32_t TorvikSetCrc16(void *data, int32_t length) {
    if (!data || length < 0) return 0;
    auto *bytes = static_cast<uint8_t *>(data);
    uint16_t crc = torvlink::crc16(bytes, static_cast<std::size_t>(length));
    bytes[length] = static_cast<uint8_t>(crc >> 8);
    bytes[length + 1] = static_cast<uint8_t>(crc & 0xFF);
    return static_cast<int32_t>(bytes[length] | (bytes[length + 1] << 8));
}

int32_t IsTorvikCrc16Ok(const void *data, int32_t length) {
    if (!data || length < 2) return 0;
    const auto *bytes = static_cast<const uint8_t *>(data);
    auto n = static_cast<std::size_t>(length - 2);
    uint16_t sent = static_cast<uint16_t>((bytes[n] << 8) | bytes[n + 1]);
    return torvlink::crc16(bytes, n) == sent ? 1 : 0;
}

}  // extern "C"
