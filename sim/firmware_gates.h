// Firmware revision gates: which reply form a tester of a given revision uses.
//
// A revision is "B.08": a letter, a dot, two digits. Ordinary revisions run
// from "A.00" up to "Z.00"; the "Z" series starts at "Z.00". Each gate names
// the first ordinary and the first "Z" revision that behave the new way.
#pragma once

#include <string_view>

namespace torvik::sim {

struct RevisionRange {
    std::string_view ordinary;  // lower bound among ordinary revisions
    std::string_view zSeries;   // lower bound in the "Z" series
};

// True when `revision` (any case) is at or above the ordinary bound and below
// "Z.00", or at or above the "Z" bound. Empty revisions, those starting with
// M or P and those whose second character is K or Z are in no range.
bool isRevisionInRange(std::string_view revision, RevisionRange range);

// Every reply form that changed with the firmware, oldest first.
namespace gates {
// UNCERTS? understood at all.
inline constexpr RevisionRange uncertainties{"A.00", "Z.13"};
// NORM_WIRES_NR? understood at all.
inline constexpr RevisionRange normWires{"A.05", "Z.23"};
// UNCERTS? sends six values; NORM? takes a second number; LIMITOPT?
// understood; graph sections carry 361 and 405 steps (else 104 and 147).
inline constexpr RevisionRange sixUncertainties{"B.01", "Z.28"};
// SECT? type 0 carries the result type in bits 5 to 7 of byte 41 (before,
// only bit 0 told a failed wire map apart).
inline constexpr RevisionRange sectionKind{"B.02", "Z.32"};
// Late record bytes filled in (CFGSITE? byte 69, the wire-map section's
// byte 60, NORM? bytes 27 and 28); LIMITOPT? in hundredths rather than
// tenths; sixth uncertainty in hundredths.
inline constexpr RevisionRange lateRecordFields{"B.08", "Z.38"};
// PLUG_NAME? understood.
inline constexpr RevisionRange plugNames{"C.00", "Z.40"};
// LIMITOPT? sends three tables (24 bytes) rather than two (16 bytes).
inline constexpr RevisionRange longLimitOptions{"C.05", "Z.45"};
// NBSECTS_TESTS? understood; curves recorded with the tests; the first
// value of a curve header (SECT? type 3) sent most significant byte first.
inline constexpr RevisionRange autoGraphs{"D.03", "Z.48"};
}  // namespace gates

}  // namespace torvik::sim
