// The verdicts of a site on its plugs: whether each measurement passes the
// site's standard, whether it lies within the measurement uncertainty of
// the limit ("near"), and the text the plug lists, the report and the
// export show for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "number_format.h"
#include "site.h"
#include "torvlink.h"

namespace quillet::model {

struct Verdict {
    std::string text;
    bool measured = false;
    bool pass = true;
    bool near = false;
    // Optical attenuation: the outcome of each table entry shown.
    std::vector<Verdict> entries;
};

// The plug-list columns, in the order the lists show them.
enum class Column : std::uint8_t {
    Mapping, Length, Delay, Skew, LoopResistance, Zc,
    Next, PsNext, Elfext, PsElfext, Acr, PsAcr, ReturnLoss, Attenuation,
};
inline constexpr int kColumnCount = 14;

// One worst-case entry of a plug, judged against the limit curve of its
// kind at the entry's frequency.
struct WorstCaseVerdict {
    int pairCode = 0;
    double valueDb = 0;
    double frequencyMHz = 0;
    bool hasLimit = false;  // the standard has a limit curve for the kind
    double limitDb = 0;
    bool exempt = false;    // the side takes no part in the kind's verdict
    bool pass = true;
    bool near = false;
};

// The value of one pair for length (m), delay (ns) or loop resistance (ohm)
// judged alone against the standard's maximum.
struct PairReading {
    float value = 0;
    bool pass = true;
    bool near = false;
};

struct Tally {
    int tested = 0;
    int failed = 0;
    int passed = 0;
    int passedNear = 0;
    int failedNear = 0;
};

class SiteVerdicts {
public:
    SiteVerdicts(const CSite &site, NumberFormat format);

    Verdict evaluate(Column column, const CPrise &plug) const;
    Verdict mapping(const CPrise &plug) const;
    Verdict length(const CPrise &plug) const;
    Verdict delay(const CPrise &plug) const;
    Verdict skew(const CPrise &plug) const;
    Verdict loopResistance(const CPrise &plug) const;
    Verdict zc(const CPrise &plug) const;
    Verdict frequencyKind(int kind, const CPrise &plug) const;
    Verdict attenuation(const CPrise &plug) const;

    // A worst-case entry of a measured kind; none when the kind is not
    // measured on this plug or the entry does not exist for it.
    std::optional<WorstCaseVerdict> worstCase(int kind, Side side, WorstEntry entry, const CPrise &plug) const;
    // Length, Delay or LoopResistance of a pair 0..3; none when not measured.
    std::optional<PairReading> pairReading(Column column, const CPrise &plug, int pair) const;

    // Optical standards: the limit of each entry of the cable's optical
    // table that the lists show, as "(2.60 dB)".
    std::vector<std::string> opticalLimitTexts() const;

    // Result type 4 or 5.
    static bool plugPassed(const CPrise &plug);
    // Any of length, delay, skew, loop resistance, Zc and the eight
    // frequency kinds near the uncertainty.
    bool plugNear(const CPrise &plug) const;
    // Near, and no evaluation failing beyond the uncertainty.
    bool plugFailedNear(const CPrise &plug) const;
    Tally tally(const std::vector<const CPrise *> &plugs) const;

    // The pairs the standard tests (0..3), in order.
    const std::vector<int> &pairsToTest() const { return pairs_; }

private:
    Verdict perPairVerdict(const CPrise &plug, bool measured, std::uint16_t limit, float uncertainty,
                           const std::vector<float> &values) const;
    Verdict opticalAttenuation(const CPrise &plug) const;
    bool kindMeasured(int kind, const CPrise &plug) const;
    float pairValue(Column column, const CPrise &plug, int pair) const;
    std::vector<float> pairValues(Column column, const CPrise &plug) const;
    std::string passText(bool pass, bool near) const;
    Verdict notMeasured(const char *unit) const;
    float metresPerNanosecond() const;
    bool isComplete(const CPrise &plug) const { return plug.isComplete(); }
    bool tests(std::uint16_t bit) const { return (site_.standard.testsMask & bit) != 0; }

    const CSite &site_;
    NumberFormat format_;
    std::vector<int> pairs_;
    ::SweepSegment sweep_[4] = {};
    LimitCurve limits_[8] = {};
    bool hasLimit_[8] = {};
};

// Orders the site's plugs in place by a list criterion (2 wiring text, 3 to
// 15 the verdict texts of the columns length to attenuation, 16 test time,
// anything else the plug id with its "?" mask), keeping ties in order.
void sortPlugs(CSite &site, int criterion, const std::string &idMask, bool ascending, NumberFormat format);

// The plug id with the characters at the mask's "?" positions left out.
std::string maskedPlugId(const std::string &id, const std::string &mask);

}  // namespace quillet::model
