#include "tester_verdicts.h"

#include <algorithm>
#include <cmath>

namespace torvik::sim {

namespace {

// Segments (threshold, value at it, slope) of the correction, in 1/8 dB
// and 1/256 per 1/8 dB.
struct CorrectionSegment {
    int threshold;
    int value;
    int slope;
};
constexpr CorrectionSegment kCorrection[] = {
    {0, 24, 0}, {21, 15, -110}, {46, 8, -72}, {80, 3, -38}, {164, 0, -9}};

double correction(double difference)
{
    const int k = static_cast<int>(difference * 8.0);
    if (k > 164)
        return 0.0;
    const CorrectionSegment *segment = &kCorrection[4];
    for (const CorrectionSegment &s : kCorrection) {
        if (k <= s.threshold) {
            segment = &s;
            break;
        }
    }
    const int m = k - segment->threshold;
    return (((m * segment->slope + 128) >> 8) + segment->value) / 8.0;
}

}  // namespace

void addEntry(Verdict &kind, const Verdict &entry)
{
    kind.pass = kind.pass && entry.pass;
    kind.near = kind.near || entry.near;
}

void Tally::add(const Verdict &evaluation)
{
    if (!evaluation.pass) {
        failed = true;
        clearFailure = clearFailure || !evaluation.near;
    }
    near = near || evaluation.near;
}

uint8_t Tally::resultType() const
{
    if (failed)
        return clearFailure ? 2 : 3;
    return near ? 4 : 5;
}

Verdict judge(double value, double limit, double uncertainty, bool atMost)
{
    const double margin = atMost ? limit - value : value - limit;
    if (margin < 0)
        return {false, margin >= -uncertainty};
    return {true, margin <= uncertainty};
}

Verdict judgePairs(const std::array<double, 4> &values, double limit, double uncertainty)
{
    Verdict verdict;
    if (limit == 0)
        return verdict;
    for (const double v : values) {
        const Verdict pair = judge(v, limit, uncertainty, true);
        if (!pair.pass && (verdict.pass || verdict.near))
            verdict = pair;
        else if (pair.pass && verdict.pass && pair.near)
            verdict.near = true;
    }
    return verdict;
}

uint8_t verdictCode(const Verdict &verdict)
{
    if (!verdict.pass)
        return verdict.near ? 1 : 0;
    return verdict.near ? 2 : 3;
}

double powerSum(double x, double y)
{
    return std::min(x, y) - correction(std::abs(x - y));
}

}  // namespace torvik::sim
