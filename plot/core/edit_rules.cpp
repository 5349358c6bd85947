#include "edit_rules.h"

#include <algorithm>
#include <ctime>

namespace quillet::plot {
namespace {

// Reads `count` two-digit fields separated by `separators` (one per gap).
bool twoDigitFields(std::string_view text, std::string_view separators, int *out, int count) {
    if (text.size() != static_cast<std::size_t>(count * 3 - 1)) return false;
    for (int i = 0; i < count; ++i) {
        const char a = text[static_cast<std::size_t>(i * 3)], b = text[static_cast<std::size_t>(i * 3 + 1)];
        if (a < '0' || a > '9' || b < '0' || b > '9') return false;
        out[i] = (a - '0') * 10 + (b - '0');
        if (i + 1 < count && text[static_cast<std::size_t>(i * 3 + 2)] != separators[static_cast<std::size_t>(i)]) return false;
    }
    return true;
}

}  // namespace

std::string expandCharClass(std::string_view pattern) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '-' && i > 0 && i + 1 < pattern.size()) {
            const auto from = static_cast<unsigned char>(pattern[i - 1]), to = static_cast<unsigned char>(pattern[i + 1]);
            for (unsigned c = from + 1u; c <= to; ++c) out += static_cast<char>(c);
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

std::string filterText(std::string_view text, std::string_view allowed, std::size_t maxLength) {
    std::string out;
    for (const char c : text.substr(0, std::min(text.size(), maxLength))) {
        if (allowed.find(c) != std::string_view::npos) out += c;
    }
    return out;
}

std::optional<double> parseDateTime(std::string_view text) {
    int f[6];
    if (!twoDigitFields(text, "// ::", f, 6)) return std::nullopt;
    if (f[0] < 1 || f[0] > 31 || f[1] < 1 || f[1] > 12 || f[3] > 23 || f[4] > 59 || f[5] > 59) return std::nullopt;
    std::tm local{};
    local.tm_mday = f[0];
    local.tm_mon = f[1] - 1;
    local.tm_year = f[2] < 70 ? f[2] + 100 : f[2];
    local.tm_hour = f[3];
    local.tm_min = f[4];
    local.tm_sec = f[5];
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1) || local.tm_mday != f[0]) return std::nullopt;
    return static_cast<double>(when);
}

std::optional<double> parseTimeOfDay(std::string_view text) {
    int f[3];
    if (!twoDigitFields(text, "::", f, 3) || f[0] > 23 || f[1] > 59 || f[2] > 59) return std::nullopt;
    return f[0] * 3600.0 + f[1] * 60.0 + f[2];
}

}  // namespace quillet::plot
