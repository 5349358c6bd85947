#include "number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quillet {
namespace {

// "%.<precision>f" or "%.<precision>e", independent of any C locale.
std::string plain(double value, std::chars_format format, int precision) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string withoutLeadingBlanks(std::string text) {
    text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size() : text.find_first_not_of(' '));
    return text;
}

int exponentDigits(int exponent) {
    const int magnitude = std::abs(exponent);
    return magnitude < 10 ? 1 : magnitude < 100 ? 2 : 3;
}

// "1.2346e+08" becomes "1.2346e8": the exponent without sign or leading zeros.
std::string compactExponent(const std::string &text) {
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    const int exponent = std::atoi(text.c_str() + e + 1);
    return text.substr(0, e + 1) + std::to_string(std::abs(exponent));
}

std::string exponentForm(double value, int width) {
    const int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int mantissaDecimals = std::max(0, width - (value < 0 ? 1 : 0) - 3 - exponentDigits(exponent));
    return padLeft(compactExponent(plain(value, std::chars_format::scientific, mantissaDecimals)), width);
}

std::string fixedForm(double value, int width, int decimals) {
    std::string text = padLeft(plain(value, std::chars_format::fixed, decimals), width);
    const int excess = static_cast<int>(text.size()) - width;
    if (excess > 0) {
        decimals = std::max(0, decimals - excess);
        text = padLeft(plain(value, std::chars_format::fixed, decimals), width);
        if (static_cast<int>(text.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
    }
    return text.substr(0, static_cast<std::size_t>(width));
}

// Trailing zeros of the fraction go, the separator too when nothing
// follows it; the text keeps its width by blanks on the left.
std::string trimFraction(std::string text, int width) {
    if (text.find('.') == std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    const auto first = text.find_first_not_of(' ');
    if (first != std::string::npos && text[first] == '.') text.insert(first, "0");
    if (first != std::string::npos && text[first] == '-' && first + 1 < text.size() && text[first + 1] == '.')
        text.insert(first + 1, "0");
    text = withoutLeadingBlanks(text);
    return padLeft(text, width);
}

}  // namespace

std::string NumberFormat::withSeparator(std::string text) const {
    std::replace(text.begin(), text.end(), '.', separator_);
    return text;
}

std::string NumberFormat::fixed(double value, int width, int decimals, bool dropLeadingBlanks) const {
    const bool exponent = value >= 99999999.0 || value < -9999999.0;
    std::string text = exponent ? exponentForm(value, width) : fixedForm(value, width, decimals);
    if (dropLeadingBlanks) text = withoutLeadingBlanks(text);
    return withSeparator(text);
}

std::string NumberFormat::fixedTrimmed(double value, int width, int decimals, bool dropLeadingBlanks) const {
    const bool exponent = value >= 99999999.0 || value < -9999999.0;
    std::string text = exponent ? exponentForm(value, width) : fixedForm(value, width, decimals);
    if (decimals > 0 && text.find('e') == std::string::npos) text = trimFraction(text, width);
    if (dropLeadingBlanks) text = withoutLeadingBlanks(text);
    return withSeparator(text);
}

std::string NumberFormat::automatic(double value, bool dropLeadingBlanks) const {
    return fixedTrimmed(value, 8, automaticDecimals(value), dropLeadingBlanks);
}

std::string NumberFormat::general(double value, int digits) const {
    digits = std::clamp(digits, 1, 15);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    // The "%G" form writes its exponent upper-case, signed and with two digits at least.
    if (const auto e = text.find('e'); e != std::string::npos) {
        const int exponent = std::atoi(text.c_str() + e + 1);
        const std::string digitsText = std::to_string(std::abs(exponent));
        text = text.substr(0, e) + "E" + (exponent < 0 ? "-" : "+") + (digitsText.size() < 2 ? "0" : "") +
               digitsText;
    }
    return withSeparator(text);
}

double NumberFormat::parse(std::string_view text) const {
    std::string local(text.substr(0, 79));
    std::replace(local.begin(), local.end(), separator_, '.');
    const auto begin = local.find_first_not_of(" \t");
    const auto end = local.find_last_not_of(" \t");
    if (begin == std::string::npos) return kNotANumber;
    std::string_view number(local.data() + begin, end - begin + 1);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return kNotANumber;
    return value;
}

int automaticDecimals(double value) {
    const double magnitude = std::fabs(value);
    int decimals = magnitude < 9.999999f    ? 6
                   : magnitude < 99.99999f  ? 5
                   : magnitude < 999.99994f ? 4
                   : magnitude < 9999.999f  ? 3
                   : magnitude < 99999.99f  ? 2
                   : magnitude < 999999.94f ? 1
                                            : 0;
    if (value < 0) decimals = std::min(decimals - 1, 5);
    return std::max(decimals, 0);
}

double roundTo(double value, int decimals, bool onAbsoluteValue) {
    const double scale = std::pow(10.0, decimals);
    const double base = onAbsoluteValue ? std::fabs(value) : value;
    const double rounded = std::floor(base * scale + 0.5555555555555556) / scale;
    return onAbsoluteValue && value < 0 ? -rounded : rounded;
}

}  // namespace quillet
