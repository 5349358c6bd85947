#include "tester_text.h"

#include <cstdint>
#include <optional>

namespace quillet {
namespace {

// Code points of 0x80..0x9F, where Windows-1252 departs from Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void appendUtf8(std::string &out, char32_t c) {
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

}  // namespace

std::string convertTesterText(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0x1A: out += "->"; break;
        case 0x1B: out += "<-"; break;
        case 0x1D: out += "<->"; break;
        case 0xDB:
            if (out.empty() || out.back() != ' ') out += ' ';
            out += "Ohm";
            break;
        default: out += c; break;
        }
    }
    return out;
}

std::string cp1252ToUtf8(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte});
    }
    return out;
}

namespace {

// The code point of the UTF-8 sequence at `at`, and its length; nothing for
// a malformed sequence.
std::optional<char32_t> decodeUtf8(const std::string &text, std::size_t at, std::size_t &length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size()) {
        length = 1;
        return std::nullopt;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            length = i;
            return std::nullopt;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    return c;
}

char toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < 32; ++i) {
        if (kHighControls[i] == c && c != 0xFFFD) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string utf8ToCp1252(const std::string &text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        const auto c = decodeUtf8(text, at, length);
        out += c ? toCp1252(*c) : '?';
        at += length;
    }
    return out;
}

}  // namespace quillet
