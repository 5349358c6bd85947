// The arithmetic of a plug's curves: resampling the tester's half-grid
// values onto the full sweep, the power sum of two crosstalk values, and
// the curves the tester does not send (reverse ELFEXT, ACR, power sums),
// one sweep point at a time. Values are in dB.
#pragma once

#include <array>
#include <vector>

namespace quillet::curves {

// The two pairs (numbered from 0) of a pair code: codes 0..5 are the six
// combinations, 6..11 the same combinations reversed (ELFEXT only).
struct PairCombination {
    int first;
    int second;
};
PairCombination pairsOfCode(int code);

// F(d): what the power sum of two values lies below the smaller one, from
// the tester's five-segment table in eighths of a dB.
double powerSumCorrection(double differenceDb);
// P(x, y) = min(x, y) - F(|x - y|).
double powerSum(double x, double y);

// The tester sends values for the sweep indexes 0, 2, 4...; the odd indexes
// are interpolated linearly in frequency, and an even-sized grid's last
// point extrapolated from the two before it. A curve that arrived short
// ends at its last received value.
std::vector<double> resampleOntoGrid(const std::vector<double> &received, const std::vector<double> &gridMHz);

using PairValues = std::array<double, 4>;         // by pair
using CombinationValues = std::array<double, 6>;  // by code 0..5

// Reverse ELFEXT (codes 6..11) at one end from the other end's measured
// ELFEXT: E'(k) - (a[first(k)] - a[second(k)]).
CombinationValues reverseElfext(const CombinationValues &otherEndElfext, const PairValues &attenuation);
CombinationValues acr(const CombinationValues &next, const PairValues &attenuation);
PairValues powerSumNext(const CombinationValues &next);
// From this end's measured ELFEXT (codes 0..5) and its reverse values
// (codes 6..11, computed from the other end).
PairValues powerSumElfext(const CombinationValues &measured, const CombinationValues &reverse);
PairValues powerSumAcr(const PairValues &powerSumNextValues, const PairValues &attenuation);

}  // namespace quillet::curves
