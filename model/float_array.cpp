#include "float_array.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include "archive_reader.h"
#include "archive_writer.h"

namespace quillet::model {
namespace {

constexpr std::int64_t kMaxSize = std::numeric_limits<std::int32_t>::max();

}  // namespace

CFloatArray::CFloatArray(const CFloatArray &other) { Copy(other); }

CFloatArray &CFloatArray::operator=(const CFloatArray &other) {
    Copy(other);
    return *this;
}

CFloatArray::CFloatArray(CFloatArray &&other) noexcept
    : data_(std::move(other.data_)), size_(other.size_), capacity_(other.capacity_),
      growBy_(other.growBy_) {
    other.size_ = other.capacity_ = 0;
}

CFloatArray &CFloatArray::operator=(CFloatArray &&other) noexcept {
    if (this != &other) {
        data_ = std::move(other.data_);
        size_ = other.size_;
        capacity_ = other.capacity_;
        growBy_ = other.growBy_;
        other.size_ = other.capacity_ = 0;
    }
    return *this;
}

float CFloatArray::GetAt(std::int32_t i) const {
    assert(i >= 0 && i < size_);
    return data_[static_cast<std::size_t>(i)];
}

void CFloatArray::SetAt(std::int32_t i, float value) {
    assert(i >= 0 && i < size_);
    data_[static_cast<std::size_t>(i)] = value;
}

std::span<const float> CFloatArray::values() const {
    return {data_.get(), static_cast<std::size_t>(size_)};
}

// New storage of the given capacity holding the current elements; the
// rest is zero. On failure nothing changes.
bool CFloatArray::reallocate(std::int32_t capacity) {
    std::unique_ptr<float[]> fresh(new (std::nothrow) float[static_cast<std::size_t>(capacity)]());
    if (!fresh) return false;
    if (size_ > 0) std::memcpy(fresh.get(), data_.get(), static_cast<std::size_t>(size_) * sizeof(float));
    data_ = std::move(fresh);
    capacity_ = capacity;
    return true;
}

bool CFloatArray::SetSize(std::int32_t n, std::int32_t growBy) {
    if (n < 0) return false;
    if (growBy != -1) growBy_ = growBy;
    if (n == 0) {
        data_.reset();
        size_ = capacity_ = 0;
        return true;
    }
    if (!data_) {
        if (!reallocate(n)) return false;
    } else if (n <= capacity_) {
        if (n > size_) {
            std::fill(data_.get() + size_, data_.get() + n, 0.0f);
        }
    } else {
        const std::int64_t grown = std::int64_t{capacity_} + std::max(growBy_, 0);
        const auto capacity = static_cast<std::int32_t>(grown > n ? std::min(grown, kMaxSize) : n);
        if (!reallocate(capacity)) return false;
    }
    size_ = n;
    return true;
}

std::int32_t CFloatArray::Add(float value) {
    const std::int32_t index = size_;
    return SetAtGrow(index, value) ? index : -1;
}

bool CFloatArray::SetAtGrow(std::int32_t i, float value) {
    if (i < 0 || i == std::numeric_limits<std::int32_t>::max()) return false;
    // Without a grow-by, storage for elements added one by one grows by half
    // its size, so that building a curve point by point costs time linear
    // in its points; SetSize itself still allocates exactly what it is asked.
    if (i >= capacity_ && growBy_ == 0 && data_) {
        const std::int64_t grown = std::max<std::int64_t>(std::int64_t{i} + 1, capacity_ + capacity_ / 2 + 4);
        if (!reallocate(static_cast<std::int32_t>(std::min(grown, kMaxSize)))) return false;
    }
    if (i >= size_ && !SetSize(i + 1)) return false;
    data_[static_cast<std::size_t>(i)] = value;
    return true;
}

std::int32_t CFloatArray::Append(const CFloatArray &src) {
    const std::int32_t oldSize = size_;
    const std::int32_t added = src.size_;  // read first: src may be this array
    if (std::int64_t{oldSize} + added > kMaxSize || !SetSize(oldSize + added)) return -1;
    if (added > 0) {
        std::memmove(data_.get() + oldSize, src.data_.get(), static_cast<std::size_t>(added) * sizeof(float));
    }
    return oldSize;
}

bool CFloatArray::Copy(const CFloatArray &src) {
    if (this == &src) return true;
    if (!SetSize(src.size_)) return false;
    if (size_ > 0) std::memcpy(data_.get(), src.data_.get(), static_cast<std::size_t>(size_) * sizeof(float));
    return true;
}

bool CFloatArray::FreeExtra() {
    if (size_ == capacity_) return true;
    if (size_ == 0) {
        data_.reset();
        capacity_ = 0;
        return true;
    }
    return reallocate(size_);
}

bool CFloatArray::InsertAt(std::int32_t i, float value, std::int32_t count) {
    if (i < 0 || count <= 0) return false;
    if (i >= size_) {
        if (std::int64_t{i} + count > kMaxSize || !SetSize(i + count)) return false;
    } else {
        const std::int32_t oldSize = size_;
        if (std::int64_t{oldSize} + count > kMaxSize || !SetSize(oldSize + count)) return false;
        std::memmove(data_.get() + i + count, data_.get() + i,
                     static_cast<std::size_t>(oldSize - i) * sizeof(float));
    }
    std::fill(data_.get() + i, data_.get() + i + count, value);
    return true;
}

bool CFloatArray::InsertAt(std::int32_t i, const CFloatArray &src) {
    if (src.size_ == 0) return i >= 0;
    // A copy when inserting an array into itself: the move below would
    // shift the source under our feet.
    const std::vector<float> copy(src.data_.get(), src.data_.get() + src.size_);
    if (!InsertAt(i, copy[0], static_cast<std::int32_t>(copy.size()))) return false;
    std::copy(copy.begin(), copy.end(), data_.get() + i);
    return true;
}

bool CFloatArray::RemoveAt(std::int32_t i, std::int32_t count) {
    if (i < 0 || count < 0 || std::int64_t{i} + count > size_) return false;
    std::memmove(data_.get() + i, data_.get() + i + count,
                 static_cast<std::size_t>(size_ - i - count) * sizeof(float));
    size_ -= count;
    return true;
}

void CFloatArray::store(ArchiveWriter &ar) const {
    ar.writeCount(static_cast<std::uint32_t>(size_));
    ar.writeFloats(values());
}

void CFloatArray::load(ArchiveReader &ar) {
    const std::uint32_t count = ar.readCount(sizeof(float));
    if (!ar.ok()) return;
    if (count > static_cast<std::uint32_t>(kMaxSize) || !SetSize(static_cast<std::int32_t>(count))) {
        ar.fail("out of memory for " + std::to_string(count) + " floats");
        return;
    }
    ar.readFloats({data_.get(), static_cast<std::size_t>(size_)});
}

bool operator==(const CFloatArray &a, const CFloatArray &b) {
    if (a.size_ != b.size_) return false;
    // Bitwise: a NaN read from a file equals itself after a round trip.
    return a.size_ == 0 ||
           std::memcmp(a.data_.get(), b.data_.get(), static_cast<std::size_t>(a.size_) * sizeof(float)) == 0;
}

}  // namespace quillet::model
