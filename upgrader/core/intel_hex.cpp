#include "intel_hex.h"

#include <algorithm>

namespace rivo {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

constexpr std::size_t kMinimumDigits = 10;  // count, address, type, checksum

}  // namespace

std::string withoutLineEnds(std::string_view line)
{
    std::string out;
    out.reserve(line.size());
    for (const char c : line) {
        if (c != '\r' && c != '\n')
            out += c;
    }
    return out;
}

std::optional<std::vector<uint8_t>> recordBytes(std::string_view line)
{
    const std::string record = withoutLineEnds(line);
    if (record.empty() || record[0] != ':')
        return std::nullopt;
    const std::string_view digits = std::string_view(record).substr(1);
    if (digits.size() < kMinimumDigits || digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(digits.size() / 2);
    unsigned sum = 0;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexValue(digits[i]);
        const int low = hexValue(digits[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
        sum += bytes.back();
    }
    if (sum % 256 != 0)
        return std::nullopt;
    return bytes;
}

std::string recordDataText(const std::vector<uint8_t> &bytes)
{
    constexpr std::size_t kHeader = 4;  // count, two address bytes, type
    std::string text;
    if (bytes.size() <= kHeader + 1)
        return text;
    for (std::size_t i = kHeader; i + 1 < bytes.size(); ++i)
        text += bytes[i] == 0 ? '|' : static_cast<char>(bytes[i]);
    return text;
}

bool isExtendedAddressRecord(std::string_view upperCaseLine)
{
    return upperCaseLine.starts_with(":0200000");
}

bool containsEndRecord(std::string_view upperCaseLine)
{
    return upperCaseLine.find(kEndRecord) != std::string_view::npos;
}

std::string toUpper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return out;
}

}  // namespace rivo
