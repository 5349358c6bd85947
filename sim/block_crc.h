// CRC-16 of binary block replies.
#pragma once

#include <cstdint>
#include <string_view>

namespace torvik::sim {

// CRC-16/MODBUS: polynomial 0x8005 taken bit-reversed (0xA001), initial value
// 0xFFFF, no final exclusive-or. The tester sends it after the block data
// most significant byte first.
uint16_t crc16(std::string_view data);

}  // namespace torvik::sim
