// Firmware revisions and the decisions that depend on them. Each decision
// is a gate: a pair of lower bounds, one for ordinary revisions ("A.00" up
// to "Z.00") and one for the "Z" series. The table is the single place
// where a reply form is tied to the firmware that sends it.
#pragma once

#include <string_view>

namespace torvlink {

struct RevisionRange {
    const char *ordinary;  // ordinary lower bound
    const char *zSeries;   // "Z"-series lower bound
};

namespace gate {
inline constexpr RevisionRange kUncertaintiesAsked{"A.00", "Z.13"};
inline constexpr RevisionRange kNormWiresNrAsked{"A.05", "Z.23"};
// Six-value UNCERTS?, two-number NORM?, LIMITOPT? asked, graph point counts.
inline constexpr RevisionRange kSixValueUncertainties{"B.01", "Z.28"};
inline constexpr RevisionRange kSectKindByteAsSent{"B.02", "Z.32"};
// Bytes taken as sent, LIMITOPT? in tenths, the divisor 100 of the sixth
// uncertainty value and the minimum-version fall-back.
inline constexpr RevisionRange kHundredthsAndBytesAsSent{"B.08", "Z.38"};
inline constexpr RevisionRange kPlugNameAsked{"C.00", "Z.40"};
inline constexpr RevisionRange kLimitOpt24Bytes{"C.05", "Z.45"};
// NBSECTS_TESTS?, automatic graphs, the word swap of type-3 sections.
inline constexpr RevisionRange kAutoGraphs{"D.03", "Z.48"};
}  // namespace gate

// The range test on a given revision (compared after upper-casing).
bool isRevisionInRange(std::string_view revision, const RevisionRange &range);

// The range test on the revision learnt when the link was last opened.
bool isRevisionInRange(const RevisionRange &range);

}  // namespace torvlink
