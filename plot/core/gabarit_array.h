// CGabaritArray: a curve template, lower and upper ordinate limits along
// the abscissa, and its ".gab" file: a 16-bit little-endian point count,
// then per point the abscissa, lower and upper ordinate as little-endian
// IEEE doubles. No header, no class tag.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillet::plot {

struct GabaritPoint {
    double x = 0, lower = 0, upper = 0;
    friend bool operator==(const GabaritPoint &, const GabaritPoint &) = default;
};

// A lower or upper limit that was left empty in the editor.
inline constexpr double kUndefinedLimit = -1.7976931348623157e308;

class CGabaritArray {
public:
    static constexpr int kEditorMaximum = 100;

    int GetSize() const { return static_cast<int>(points_.size()); }
    const GabaritPoint &GetAt(int i) const { return points_.at(i); }
    void SetAt(int i, const GabaritPoint &point) { points_.at(i) = point; }
    // Sets point i, growing the array when i is past its end.
    void SetAtGrow(int i, const GabaritPoint &point);
    int Add(const GabaritPoint &point);
    void InsertAt(int i, const GabaritPoint &point, int count = 1);
    void RemoveAt(int i, int count = 1);
    void RemoveAll() { points_.clear(); }
    void FreeExtra() { points_.shrink_to_fit(); }
    void Append(const CGabaritArray &other);
    // Passes over neighbouring pairs until none swaps: points with equal
    // abscissas keep their order.
    void SortByX();

    const std::vector<GabaritPoint> &points() const { return points_; }
    friend bool operator==(const CGabaritArray &, const CGabaritArray &) = default;

    // The ".gab" bytes. More than 65535 points cannot be written.
    std::optional<std::vector<std::uint8_t>> toGabBytes() const;
    // Nothing when the bytes are short of what their count announces.
    static std::optional<CGabaritArray> fromGabBytes(const std::vector<std::uint8_t> &bytes);

private:
    std::vector<GabaritPoint> points_;
};

// The clipboard text of the editor's Copy All: per point the three texts
// separated by tabs, each line ending "\r\n".
std::string gabaritClipboardText(const std::vector<std::string> &xTexts, const std::vector<std::string> &lowerTexts,
                                 const std::vector<std::string> &upperTexts);

}  // namespace quillet::plot
