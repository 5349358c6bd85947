// How the tester judges a measurement against its limit and its
// measurement uncertainty, and how it sums crosstalk of several pairs.
#pragma once

#include <array>
#include <cstdint>

namespace torvik::sim {

struct Verdict {
    bool pass = true;
    bool near = false;  // within the measurement uncertainty of the limit
};

// The entries of one kind: it passes when none failed and is near when any
// entry is near.
void addEntry(Verdict &kind, const Verdict &entry);

// The evaluations of a plug, for its result type.
struct Tally {
    bool failed = false;
    bool clearFailure = false;  // a failure beyond the uncertainty
    bool near = false;

    void add(const Verdict &evaluation);
    // 2 failed, 3 failed within the uncertainty only, 4 passed within it,
    // 5 passed.
    uint8_t resultType() const;
};

// A value that must stay below (`atMost`) or above its limit.
Verdict judge(double value, double limit, double uncertainty, bool atMost);

// The per-pair rule of length, delay and loop resistance: the first failing
// pair decides, a later failure within the uncertainty only replaces an
// earlier failure that was within it too. A limit of 0 always passes.
Verdict judgePairs(const std::array<double, 4> &values, double limit, double uncertainty);

// Curve verdict codes: 0 FAIL, 1 FAIL within the uncertainty, 2 PASS within
// it, 3 PASS.
uint8_t verdictCode(const Verdict &verdict);

// The power sum of two crosstalk levels in dB: the smaller less a
// correction that falls from 3 dB (equal levels) to 0 (20.5 dB apart).
double powerSum(double x, double y);

}  // namespace torvik::sim
