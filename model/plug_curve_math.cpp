#include "plug_curve_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quillet::curves {
namespace {

constexpr PairCombination kCombinations[12] = {
    {0, 1}, {2, 0}, {0, 3}, {1, 2}, {1, 3}, {3, 2},  // codes 0..5
    {1, 0}, {0, 2}, {3, 0}, {2, 1}, {3, 1}, {2, 3},  // codes 6..11, reversed
};

struct CorrectionSegment {
    int threshold;  // eighths of a dB
    int value;      // eighths of a dB
    int slope;      // 1/256 per eighth
};

constexpr CorrectionSegment kCorrection[5] = {
    {0, 24, 0}, {21, 15, -110}, {46, 8, -72}, {80, 3, -38}, {164, 0, -9},
};

// The three codes whose combination holds the pair, in code order.
constexpr int kCodesOfPair[4][3] = {{0, 1, 2}, {0, 3, 4}, {1, 3, 5}, {2, 4, 5}};

}  // namespace

PairCombination pairsOfCode(int code) { return kCombinations[std::clamp(code, 0, 11)]; }

double powerSumCorrection(double differenceDb) {
    const auto k = static_cast<int32_t>(differenceDb * 8);
    if (k > 164) return 0.0;
    const CorrectionSegment *segment = &kCorrection[4];
    for (const auto &candidate : kCorrection) {
        if (k <= candidate.threshold) {
            segment = &candidate;
            break;
        }
    }
    const int m = k - segment->threshold;
    return (((m * segment->slope + 128) >> 8) + segment->value) / 8.0;
}

double powerSum(double x, double y) { return std::min(x, y) - powerSumCorrection(std::fabs(x - y)); }

std::vector<double> resampleOntoGrid(const std::vector<double> &received, const std::vector<double> &gridMHz) {
    const std::size_t n = received.size();
    const std::size_t gridSize = gridMHz.size();
    if (n == 0 || gridSize == 0) return {};
    const std::size_t size = std::min(gridSize, 2 * n - 1 + (gridSize == 2 * n ? 1 : 0));
    std::vector<double> out(size, 0.0);
    for (std::size_t i = 0; i < n && 2 * i < size; ++i) out[2 * i] = received[i];
    const auto &g = gridMHz;
    for (std::size_t i = 0; i + 1 < n && 2 * i + 2 < size; ++i)
        out[2 * i + 1] = (g[2 * i + 1] - g[2 * i]) * (out[2 * i + 2] - out[2 * i]) / (g[2 * i + 2] - g[2 * i]) +
                         out[2 * i];
    if (gridSize == 2 * n && gridSize >= 3) {
        const std::size_t last = gridSize - 1;
        out[last] = (g[last] - g[last - 1]) * (out[last - 1] - out[last - 2]) / (g[last - 1] - g[last - 2]) +
                    out[last - 1];
    }
    return out;
}

CombinationValues reverseElfext(const CombinationValues &otherEndElfext, const PairValues &a) {
    CombinationValues out{};
    for (int k = 0; k < 6; ++k) {
        const PairCombination p = pairsOfCode(k);
        out[k] = otherEndElfext[k] - (a[p.first] - a[p.second]);
    }
    return out;
}

CombinationValues acr(const CombinationValues &next, const PairValues &a) {
    CombinationValues out{};
    for (int k = 0; k < 6; ++k) out[k] = next[k] - a[pairsOfCode(k).first];
    return out;
}

PairValues powerSumNext(const CombinationValues &next) {
    PairValues out{};
    for (int p = 0; p < 4; ++p) {
        const int *c = kCodesOfPair[p];
        out[p] = powerSum(powerSum(next[c[0]], next[c[1]]), next[c[2]]);
    }
    return out;
}

PairValues powerSumElfext(const CombinationValues &e, const CombinationValues &r) {
    // r[k] holds the reverse value of code 6 + k.
    return {powerSum(powerSum(r[0], e[1]), r[2]), powerSum(powerSum(e[0], r[3]), r[4]),
            powerSum(powerSum(r[1], e[3]), e[5]), powerSum(powerSum(e[2], e[4]), r[5])};
}

PairValues powerSumAcr(const PairValues &psNext, const PairValues &a) {
    PairValues out{};
    for (int p = 0; p < 4; ++p) out[p] = psNext[p] - a[p];
    return out;
}

}  // namespace quillet::curves
