// Bounded copies into the caller's buffers: at most size-1 bytes and a NUL.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace torvlink {

inline void copyText(char *buffer, int32_t size, std::string_view text) {
    if (!buffer || size < 1) return;
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

// Copies at most `limit` characters of a field, then bounds it by the buffer.
inline void copyField(char *buffer, int32_t size, std::string_view field, std::size_t limit) {
    copyText(buffer, size, field.substr(0, limit));
}

const char *libraryText(int number);

}  // namespace torvlink
