// Filling a plug from a test section of the tester: a pure decoding of the
// section's bytes, so that a captured section is a test fixture.
#include <bit>
#include <cstring>

#include "norm.h"
#include "prise.h"

namespace quillet::model {
namespace {

// The link hands its records in host order; the suite builds for
// little-endian hosts only, as the archive bytes are little-endian too.
static_assert(std::endian::native == std::endian::little);

constexpr std::size_t kPlugIdAt = 3;
constexpr std::size_t kText2At = 18;
constexpr std::size_t kTestTimeAt = 37;
constexpr std::size_t kResultAt = 41;
constexpr std::size_t kBlockAt = 42;

// Bytes of the measurement block a section carries.
std::size_t blockLength(int resultType, const CNorm &standard) {
    if (resultType == 0) return 21;
    if (resultType == 1) return 19;
    if (standard.isValueMode()) return 10;
    if (standard.isOptical()) return 6;
    return CPrise::kBlockSize;
}

std::string textAt(std::span<const std::uint8_t> section, std::size_t at, std::size_t size) {
    const auto *first = reinterpret_cast<const char *>(section.data() + at);
    return std::string(first, strnlen(first, size));
}

std::int32_t bit(std::uint8_t byte, int n) { return (byte >> n) & 1; }

}  // namespace

bool CPrise::fillFromTestSection(std::span<const std::uint8_t> section, const CNorm &standard) {
    if (section.size() <= kResultAt) return false;
    const std::uint8_t result = section[kResultAt];
    const int type = result >> 5;
    const std::size_t length = blockLength(type, standard);
    if (section.size() < kBlockAt + length) return false;

    plugId = textAt(section, kPlugIdAt, kPlugIdSize);
    text2 = textAt(section, kText2At, kText2Size);
    std::memcpy(&testTime, section.data() + kTestTimeAt, sizeof testTime);
    resultType = type;
    rlTesterExempt = bit(result, 3);
    rlRemoteExempt = bit(result, 4);
    nextTesterExempt = bit(result, 1);
    nextRemoteExempt = bit(result, 2);
    psNextTesterExempt = bit(section[kBlockAt], 5);
    psNextRemoteExempt = bit(section[kBlockAt], 6);
    std::memcpy(block.data(), section.data() + kBlockAt, length);
    return true;
}

}  // namespace quillet::model
