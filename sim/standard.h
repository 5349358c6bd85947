// A certification standard as the tester stores it: scalar limits, sweep,
// one limit curve per measurement kind and, for optical standards, the loss
// tables.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace torvik::sim {

// Measurement kinds, numbered as the plug results and curves number them.
enum class Kind : uint8_t {
    Next = 0,
    Elfext = 1,
    Attenuation = 2,
    ReturnLoss = 3,
    Acr = 4,
    PsNext = 5,
    PsElfext = 6,
    PsAcr = 7,
};
inline constexpr std::size_t kKindCount = 8;

// One point of a limit curve. Between the previous point and this one the
// limit is `value` corrected along `slope` (see limit_curve.h).
struct LimitPoint {
    uint16_t frequency = 0;   // 1/60 MHz
    int16_t slope = 0;
    int16_t value = 0;        // 1/8 dB
    uint8_t uncertainty = 0;  // 1/8 dB, the curve's auxiliary value
    bool operator==(const LimitPoint &) const = default;
};

struct LimitCurve {
    uint8_t shift = 0;               // extra right shift of the slope term
    std::vector<LimitPoint> points;  // ascending frequency, at most 44
    bool operator==(const LimitCurve &) const = default;
};

struct SweepSegment {
    uint16_t start = 0;      // 1/60 MHz
    uint16_t step = 0;       // 1/60 MHz per point
    uint16_t lastIndex = 0;  // index of the segment's last point in the sweep
    bool operator==(const SweepSegment &) const = default;
};

// One entry of an optical loss table: a fibre label and its loss limit.
struct OpticalLimit {
    uint16_t label = 0;  // 0: no entry
    int16_t limit = 0;   // 1/100 dB
    bool operator==(const OpticalLimit &) const = default;
};
// Tables for multimode 50 um, multimode 62.5 um and single mode, two
// entries each.
using OpticalTables = std::array<std::array<OpticalLimit, 2>, 3>;

// Option byte bits.
inline constexpr uint8_t kValueMode = 0x04;
inline constexpr uint8_t kOptical = 0x08;
inline constexpr uint8_t kNoSingleMode = 0x20;

struct Standard {
    uint16_t nameMessage = 0;  // MSG? number of the name
    uint8_t pairCount = 4;
    uint8_t pairMask = 0x55;   // bits 0, 2, 4, 6: pairs 1 to 4
    uint16_t zcTolerance = 0;  // ohm; 0: no limit
    uint16_t maxLoopResistance = 0;  // ohm
    uint16_t maxLength = 0;    // m
    uint16_t maxSkew = 0;      // ns
    uint16_t maxDelay = 0;     // ns
    uint16_t testsMask = 0;
    uint8_t options = 0;
    uint16_t topFrequency = 0;  // 1/60 MHz
    std::array<uint8_t, 2> lateBytes{};  // record bytes 27 and 28
    std::array<uint8_t, 8> wireNumbers{1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<SweepSegment> sweep;          // 1 to 4 segments
    std::array<LimitCurve, kKindCount> limits;  // by Kind; no points: no limit
    OpticalTables optical{};

    bool valueMode() const { return (options & kValueMode) != 0; }
    bool isOptical() const { return (options & kOptical) != 0; }
    bool copper() const { return !valueMode() && !isOptical(); }
    // Number of sweep points, and the frequency of one (1/60 MHz; 0 beyond
    // the sweep).
    int32_t sweepPoints() const;
    uint16_t sweepFrequency(int32_t index) const;

    bool operator==(const Standard &) const = default;
};

}  // namespace torvik::sim
