// CNorm: one certification standard as the tester stores it - the pairs and
// tests it asks for, its DC limits, its frequency sweep, one limit curve per
// frequency kind and, for optical standards, the loss limits per fibre
// type. The limit curves and the sweep stay in the tester's form; the link
// library interprets them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "archive_class.h"

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

// One 7-byte record of a limit curve: three words and a byte. The first
// record of a curve is its header (the link library's LimitCurveRecord).
struct LimitRecord {
    std::uint16_t word0 = 0;
    std::uint16_t word1 = 0;
    std::uint16_t word2 = 0;
    std::uint8_t byte6 = 0;
    friend bool operator==(const LimitRecord &, const LimitRecord &) = default;
};

// Start and step in sixtieths of a MHz, and the sweep index of the last point.
struct SweepSegment {
    std::uint16_t start = 0;
    std::uint16_t step = 0;
    std::uint16_t lastIndex = 0;
    friend bool operator==(const SweepSegment &, const SweepSegment &) = default;
};

// A wavelength label (0: empty entry) and a loss limit in hundredths of a dB.
struct OpticalLimit {
    std::uint16_t label = 0;
    std::int16_t limit = 0;
    friend bool operator==(const OpticalLimit &, const OpticalLimit &) = default;
};

enum class LimitDirection : std::uint8_t { Minimum, Maximum };

class CNorm {
public:
    static constexpr ArchiveClass kArchiveClass = ArchiveClass::Norm;
    static constexpr std::size_t kMaxLimitRecords = 45;
    static constexpr std::size_t kMaxSweepSegments = 4;
    static constexpr std::size_t kLimitCurveCount = 8;

    // Archive order of the limit curves: NEXT, attenuation, return loss,
    // ACR, ELFEXT, power-sum NEXT, power-sum ACR, power-sum ELFEXT.
    static int limitIndexOfKind(int kind);

    std::string name = "...";
    std::uint8_t pairCount = 0;
    std::uint8_t pairMask = 0;  // bits 0, 2, 4, 6: pairs 1 to 4
    std::uint16_t zcTolerance = 0;        // ohms, 0: no limit
    std::uint16_t maxLoopResistance = 0;  // ohms, 0: no limit
    std::uint16_t maxLength = 0;          // metres, 0: no limit
    std::uint16_t maxSkew = 0;            // ns, 0: no limit
    std::uint16_t maxDelay = 0;           // ns, 0: no limit
    std::uint16_t testsMask = 0;
    std::uint8_t flags = 0;  // 4: value mode, 8: optical, 0x20: no mono-mode table
    std::uint32_t maxFrequency = 0;  // kHz
    std::array<std::uint8_t, 8> wireNumbers{1, 2, 3, 4, 5, 6, 7, 8};
    std::array<std::vector<LimitRecord>, kLimitCurveCount> limits;  // at most 45 records each
    std::vector<SweepSegment> sweep;                                // at most 4 segments
    std::array<std::array<OpticalLimit, 2>, 3> optical{};  // 50 µm, 62.5 µm, mono mode

    bool isValueMode() const { return (flags & 0x04) != 0; }
    bool isOptical() const { return (flags & 0x08) != 0; }
    bool hasNoMonoModeTable() const { return (flags & 0x20) != 0; }

    // The limit curve of a kind 0 to 7; none for another kind.
    const std::vector<LimitRecord> *limitCurve(int kind) const;
    // Attenuation limits are maxima, every other kind's are minima.
    static LimitDirection limitDirection(int kind);

    // The last index of the last segment plus one; 0 without a sweep.
    int sweepPointCount() const;

    // The name; an optical standard's is prefixed with "TIA568B " unless it
    // names ISO11801, and followed by " (Opt.)".
    std::string displayName() const;

    // Loading reads nothing unless the whole-record gate passes; old optical
    // tables are expanded to three and old tenths become hundredths.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CNorm &, const CNorm &) = default;

private:
    void loadOpticalTables(ArchiveReader &ar, bool threeTables, bool hundredths);
};

}  // namespace quillet::model
