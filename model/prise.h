// CPrise: one tested plug as the tester's autotest left it - its identifier,
// when it was tested, how far the autotest went, the exemptions of the
// verdict, the tester's measurement block kept byte for byte, and the curves
// of its fifteen curve slots (owned; copies are deep).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "archive_class.h"
#include "grph_mes.h"
#include "measure_kind.h"

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;
class CNorm;

// Entry A of a worst-case group is the worst by absolute value, entry B the
// worst by margin.
enum class WorstEntry : std::uint8_t { A, B };

// A 3-byte worst-case entry b0 b1 b2 decoded.
struct WorstCase {
    std::uint8_t pairCode = 0;     // b0 >> 4
    std::uint16_t rawValue = 0;    // 10 bits: ((b0 >> 2) & 3) * 256 + b1
    std::uint16_t sweepIndex = 0;  // (b0 & 3) * 256 + b2, in the standard's sweep
    // (raw - 160) / 8: -20 dB to 107.875 dB in eighths.
    double valueDb() const { return (rawValue - 160) / 8.0; }
};

WorstCase decodeWorstCase(std::span<const std::uint8_t, 3> entry);

class CPrise {
public:
    static constexpr ArchiveClass kArchiveClass = ArchiveClass::Prise;
    static constexpr std::size_t kBlockSize = 107;
    static constexpr std::size_t kPlugIdSize = 15;
    static constexpr std::size_t kText2Size = 19;

    std::string plugId = "...";
    std::string text2;
    std::uint32_t testTime = 0;  // seconds since 1970
    // 0: stopped on a voltage; 1: wiring map failed; any other: complete
    // (4, 5 judged passed; 2, 3 failed; 3, 4 within the uncertainty).
    std::int32_t resultType = 2;
    std::int32_t rlTesterExempt = 0;
    std::int32_t rlRemoteExempt = 0;
    std::int32_t nextTesterExempt = 0;
    std::int32_t nextRemoteExempt = 0;
    std::int32_t psNextTesterExempt = 0;
    std::int32_t psNextRemoteExempt = 0;
    std::array<std::uint8_t, kBlockSize> block{};
    std::array<std::vector<CGrphMes>, kCurveSlotCount> curves;

    bool isVoltageStop() const { return resultType == 0; }
    bool isWiringFailure() const { return resultType == 1; }
    bool isComplete() const { return !isVoltageStop() && !isWiringFailure(); }

    // The curves of a slot 0 to 14, or of a kind 0 to 7 on a side; none
    // for another slot or kind.
    std::vector<CGrphMes> *curvesOfSlot(int slot);
    const std::vector<CGrphMes> *curvesOfSlot(int slot) const;
    const std::vector<CGrphMes> *curvesOf(int kind, Side side) const;
    bool hasAnyCurve() const;
    // Slots 0 to 8: attenuation, NEXT, ELFEXT, return loss and ACR.
    bool hasAnyCurveBeforePowerSums() const;

    // The 3 bytes of a worst-case entry of a complete copper result; none
    // for a kind above 7, remote or B attenuation, and return loss A.
    std::optional<std::array<std::uint8_t, 3>> worstCaseBytes(int kind, Side side, WorstEntry entry) const;
    std::optional<WorstCase> worstCase(int kind, Side side, WorstEntry entry) const;

    // Fills the plug from a test section (a type-0 section record of the
    // tester, in the link's host-order layout) measured under the standard:
    // identifier, second text, test time, result type, exemptions, and the
    // part of the measurement block the result type and standard give. The
    // rest of the block keeps its content. False (nothing changed) when the
    // section is shorter than the bytes that must be taken from it.
    bool fillFromTestSection(std::span<const std::uint8_t> section, const CNorm &standard);

    // Loading reads nothing unless the whole-record gate passes, then the
    // exemptions and curves their gates admit.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CPrise &, const CPrise &) = default;
};

}  // namespace quillet::model
