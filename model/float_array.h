// CFloatArray: the growable array of 32-bit floats a curve holds its values
// and frequencies in. The operations keep the names and the growth rules of
// the framework's growable arrays that earlier versions used; copies are
// deep. Allocation failure never throws: the operation returns false (or -1)
// and the array keeps its previous contents.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

class CFloatArray {
public:
    CFloatArray() = default;
    CFloatArray(const CFloatArray &other);
    CFloatArray &operator=(const CFloatArray &other);
    CFloatArray(CFloatArray &&other) noexcept;
    CFloatArray &operator=(CFloatArray &&other) noexcept;
    ~CFloatArray() = default;

    std::int32_t GetSize() const { return size_; }
    std::int32_t GetCapacity() const { return capacity_; }
    std::int32_t GetGrowBy() const { return growBy_; }
    // No bounds check beyond a debug assertion: callers keep i below size.
    float GetAt(std::int32_t i) const;
    void SetAt(std::int32_t i, float value);
    std::span<const float> values() const;

    // Appends one element; its index, or -1 when memory ran out.
    std::int32_t Add(float value);
    // Grows to i + 1 elements when i >= size, then sets element i. Without
    // a grow-by the storage grows by half its size at a time.
    bool SetAtGrow(std::int32_t i, float value);
    // New size n; growBy -1 keeps the grow-by. Growth allocates capacity +
    // grow-by when that exceeds n, else exactly n; new elements are zero.
    bool SetSize(std::int32_t n, std::int32_t growBy = -1);
    void RemoveAll() { SetSize(0); }
    // Appends every element of src; the old size, or -1.
    std::int32_t Append(const CFloatArray &src);
    bool Copy(const CFloatArray &src);
    bool FreeExtra();
    // Inserts count copies of value at i (beyond the end: grows to i +
    // count, the gap zero, then fills).
    bool InsertAt(std::int32_t i, float value, std::int32_t count = 1);
    // Inserts every element of src at i; nothing when src is empty.
    bool InsertAt(std::int32_t i, const CFloatArray &src);
    bool RemoveAt(std::int32_t i, std::int32_t count = 1);

    // Count, then each element as a float.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CFloatArray &a, const CFloatArray &b);

private:
    bool reallocate(std::int32_t capacity);

    std::unique_ptr<float[]> data_;
    std::int32_t size_ = 0;
    std::int32_t capacity_ = 0;
    std::int32_t growBy_ = 0;
};

}  // namespace quillet::model
