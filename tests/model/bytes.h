// Small helpers for hand-written archive fixtures.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quillet::model::testing {

using Bytes = std::vector<std::uint8_t>;

// Concatenates byte lists and texts: bytes({0x05}, "CNorm", {0x00}).
class ByteBuilder {
public:
    ByteBuilder &operator()(std::initializer_list<int> values) {
        for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    ByteBuilder &operator()(std::string_view text) {
        out.insert(out.end(), text.begin(), text.end());
        return *this;
    }
    ByteBuilder &operator()(const Bytes &more) {
        out.insert(out.end(), more.begin(), more.end());
        return *this;
    }
    ByteBuilder &zeros(std::size_t n) {
        out.insert(out.end(), n, 0);
        return *this;
    }
    Bytes out;
};

}  // namespace quillet::model::testing
