#include "oem_text.h"

#include <array>
#include <cstdint>

namespace torvik::sim {

namespace {

// Code page 850, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kUpperHalf{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next character of UTF-8 text (at most three bytes, which covers code
// page 850), or nothing when the bytes are not well formed.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t lead = byte(i);
    std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 0;
    if (length == 0 || i + length > text.size())
        return std::nullopt;
    char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1Fu) : (lead & 0x0Fu);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte(i + k) & 0x3Fu);
    }
    i += length;
    return c;
}

}  // namespace

std::string oemToUtf8(std::string_view oem)
{
    std::string out;
    for (const char c : oem) {
        const auto byte = static_cast<uint8_t>(c);
        appendUtf8(out, byte < 0x80 ? char32_t{byte} : char32_t{kUpperHalf[byte - 0x80u]});
    }
    return out;
}

std::optional<std::string> utf8ToOem(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = nextCharacter(utf8, i);
        if (!c)
            return std::nullopt;
        if (*c < 0x80) {
            out += static_cast<char>(*c);
            continue;
        }
        std::size_t k = 0;
        while (k < kUpperHalf.size() && kUpperHalf[k] != *c)
            ++k;
        if (k == kUpperHalf.size())
            return std::nullopt;
        out += static_cast<char>(0x80 + k);
    }
    return out;
}

}  // namespace torvik::sim
