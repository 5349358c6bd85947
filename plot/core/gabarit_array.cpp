#include "gabarit_array.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quillet::plot {
namespace {

void putDouble(std::vector<std::uint8_t> &out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

double getDouble(const std::uint8_t *in) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

}  // namespace

void CGabaritArray::SetAtGrow(int i, const GabaritPoint &point) {
    if (i < 0) return;
    if (static_cast<std::size_t>(i) >= points_.size()) points_.resize(static_cast<std::size_t>(i) + 1);
    points_[static_cast<std::size_t>(i)] = point;
}

int CGabaritArray::Add(const GabaritPoint &point) {
    points_.push_back(point);
    return GetSize() - 1;
}

void CGabaritArray::InsertAt(int i, const GabaritPoint &point, int count) {
    if (i < 0 || count <= 0) return;
    if (i > GetSize()) points_.resize(static_cast<std::size_t>(i));
    points_.insert(points_.begin() + i, static_cast<std::size_t>(count), point);
}

void CGabaritArray::RemoveAt(int i, int count) {
    if (i < 0 || count <= 0 || i >= GetSize()) return;
    const int end = std::min(GetSize(), i + count);
    points_.erase(points_.begin() + i, points_.begin() + end);
}

void CGabaritArray::Append(const CGabaritArray &other) {
    points_.insert(points_.end(), other.points_.begin(), other.points_.end());
}

void CGabaritArray::SortByX() {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < points_.size(); ++i) {
            if (points_[i].x > points_[i + 1].x) {
                std::swap(points_[i], points_[i + 1]);
                swapped = true;
            }
        }
    }
}

std::optional<std::vector<std::uint8_t>> CGabaritArray::toGabBytes() const {
    if (points_.size() > 0xFFFF) return std::nullopt;
    std::vector<std::uint8_t> out;
    out.reserve(2 + points_.size() * 24);
    out.push_back(static_cast<std::uint8_t>(points_.size() & 0xFF));
    out.push_back(static_cast<std::uint8_t>(points_.size() >> 8));
    for (const auto &point : points_) {
        putDouble(out, point.x);
        putDouble(out, point.lower);
        putDouble(out, point.upper);
    }
    return out;
}

std::optional<CGabaritArray> CGabaritArray::fromGabBytes(const std::vector<std::uint8_t> &bytes) {
    if (bytes.size() < 2) return std::nullopt;
    const std::size_t count = bytes[0] | (static_cast<std::size_t>(bytes[1]) << 8);
    if ((bytes.size() - 2) / 24 < count) return std::nullopt;
    CGabaritArray array;
    array.points_.reserve(count);
    const std::uint8_t *in = bytes.data() + 2;
    for (std::size_t i = 0; i < count; ++i, in += 24) {
        array.points_.push_back({getDouble(in), getDouble(in + 8), getDouble(in + 16)});
    }
    return array;
}

std::string gabaritClipboardText(const std::vector<std::string> &xTexts, const std::vector<std::string> &lowerTexts,
                                 const std::vector<std::string> &upperTexts) {
    std::string text;
    for (std::size_t i = 0; i < xTexts.size() && i < lowerTexts.size() && i < upperTexts.size(); ++i) {
        text += xTexts[i] + '\t' + lowerTexts[i] + '\t' + upperTexts[i] + "\r\n";
    }
    return text;
}

}  // namespace quillet::plot
