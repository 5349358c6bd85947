// A small deterministic generator for the demo unit: the same seed gives
// the same unit on every platform and library.
#pragma once

#include <cstdint>

namespace torvik::sim {

class DemoRandom {
public:
    explicit DemoRandom(uint64_t seed) : state_(seed) {}

    // SplitMix64.
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high).
    double uniform(double low, double high)
    {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    // Uniform in [low, high].
    int integer(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<uint64_t>(high - low + 1));
    }

private:
    uint64_t state_;
};

}  // namespace torvik::sim
