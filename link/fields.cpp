#include "fields.h"

#include <cctype>
#include <limits>

namespace torvlink {

std::optional<std::string_view> FieldSplitter::next(std::string_view separators) {
    std::size_t begin = rest_.find_first_not_of(separators);
    if (begin == std::string_view::npos) {
        rest_ = {};
        return std::nullopt;
    }
    std::size_t end = rest_.find_first_of(separators, begin);
    std::string_view field = rest_.substr(begin, end == std::string_view::npos ? rest_.npos : end - begin);
    rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
    return field;
}

int32_t leadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(negative ? -value : value);
}

std::string_view withoutLineEnd(std::string_view line) {
    std::size_t end = line.find('\n');
    if (end != std::string_view::npos) line = line.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace torvlink
