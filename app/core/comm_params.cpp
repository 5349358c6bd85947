#include "comm_params.h"

#include <cctype>
#include <cstdio>

namespace quillet {
namespace {

// Decimal conversion that stops at the first non-digit (0 for none).
int32_t leadingNumber(const std::string &text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 1'000'000'000; ++i)
        value = value * 10 + (text[i] - '0');
    return static_cast<int32_t>(negative ? -value : value);
}

// Stores one field's text into field `index` and every later field.
void storeFrom(CommParams &p, int index, const std::string &text) {
    const int32_t number = leadingNumber(text);
    const char letter = text.empty() ? '\0' : text[0];
    for (int field = index; field < 6; ++field) {
        switch (field) {
        case 0: p.port = number; break;
        case 1: p.rate = number; break;
        case 2: p.parity = letter; break;
        case 3: p.dataBits = number; break;
        case 4: p.stopBits = number; break;
        default: p.handshake = letter; break;
        }
    }
}

}  // namespace

CommParams parseCommParameters(const std::string &stored) {
    CommParams params;
    std::string rest = stored;
    int field = 0;
    do {
        const std::size_t comma = rest.find(',');
        const std::string current = comma == std::string::npos ? rest : rest.substr(0, comma);
        storeFrom(params, field++, current);
        if (comma == std::string::npos) break;  // the last field: nothing follows
        rest = rest.substr(comma + 1);
    } while (!rest.empty() && field < 6);
    return params;
}

std::string formatCommParameters(const CommParams &p) {
    char text[96];
    std::snprintf(text, sizeof text, "%d,%d,%c,%d,%d,%c", p.port, p.rate, p.parity, p.dataBits, p.stopBits,
                  p.handshake);
    return text;
}

}  // namespace quillet
