// The rules of the validating edit fields: character classes written as
// patterns ("0-9eE+-": a "-" between two characters stands for the range),
// and the date and time forms "DD/MM/YY HH:MM:SS" and "HH:MM:SS".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::plot {

namespace charclass {
inline constexpr const char *kUpper = "A-Z";
inline constexpr const char *kLower = "a-z";
inline constexpr const char *kDigits = "0-9";
inline constexpr const char *kHex = "A-Fa-f0-9";
inline constexpr const char *kReal = "0-9eE+-";
inline constexpr const char *kInteger = "0-9+-";
inline constexpr const char *kDate = "0-9:/ ";
inline constexpr const char *kTime = "0-9:";
}  // namespace charclass

// Every character a pattern admits (a "-" first or last stands for itself).
std::string expandCharClass(std::string_view pattern);
// The text cut to `maxLength` characters without those outside `allowed`.
std::string filterText(std::string_view text, std::string_view allowed, std::size_t maxLength);

// Seconds since 1970 (local time) of "DD/MM/YY HH:MM:SS"; years below 70
// are 20YY. Nothing when the text has another form or impossible values.
std::optional<double> parseDateTime(std::string_view text);
// Seconds since midnight of "HH:MM:SS".
std::optional<double> parseTimeOfDay(std::string_view text);

}  // namespace quillet::plot
