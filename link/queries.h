// The two shapes of every tester query: a line query (command, one reply
// line, error query) and a block query (command, one block, error query,
// CRC check, up to three sends).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace torvlink {

int32_t discardPendingInput();

// A command with one numeric argument, reduced to an unsigned 16-bit value
// as the tester reads it (so -1 goes out as 65535).
std::string formatCommand(const char *name, int32_t argument);

// 0, or the code of the failing step.
int32_t runLineQuery(const std::string &command, char *buffer, int32_t size,
                     int32_t timeoutSeconds = 3);

// The value of a count reply's leading digits, or -1 when a step failed.
int32_t runCountQuery(const std::string &command);

// A command with two numeric arguments, "GRAPH_SUM? 1, 2".
std::string formatCommand(const char *name, int32_t first, int32_t second);

// 0 with `length` bytes of the block in `buffer` (CRC included), or -1.
int32_t runBlockQuery(const std::string &command, void *buffer, int32_t capacity, uint16_t &length);

// A block query into a buffer of the record's stated capacity; the received
// bytes go to `decodeInto`. -1 for any failure, the record then untouched.
template <std::size_t Capacity, typename Decode>
int32_t runRecordQuery(const std::string &command, Decode decodeInto) {
    uint8_t buffer[Capacity];
    uint16_t length = 0;
    if (runBlockQuery(command, buffer, Capacity, length) != 0) return -1;
    decodeInto(std::span<const uint8_t>(buffer, length));
    return 0;
}

}  // namespace torvlink
