// Splitting reply lines into fields, the way every reply of the tester is
// read: a field ends at any of the given separators, and empty fields are
// skipped (two separators in a row count as one).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace torvlink {

class FieldSplitter {
public:
    explicit FieldSplitter(std::string_view text) : rest_(text) {}

    // The next field ended by one of `separators` (the separator is used
    // up); nothing when only separators are left.
    std::optional<std::string_view> next(std::string_view separators);

private:
    std::string_view rest_;
};

// The value of a number's leading digits after blanks and a sign, as the
// tester's numbers are read: "12x" is 12, "x" is 0.
int32_t leadingInt(std::string_view text);

// A reply line without its line feed (and carriage return, if any).
std::string_view withoutLineEnd(std::string_view line);

}  // namespace torvlink
