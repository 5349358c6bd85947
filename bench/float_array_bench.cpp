// Building a curve point by point with CFloatArray::Add, as a download
// does: microseconds per curve of 800 and of 50,000 points. Run it on a
// release build: build/<release>/bin/float_array_bench.
#include <chrono>
#include <cstdio>

#include "float_array.h"

namespace {

using quillet::model::CFloatArray;

// Mean microseconds to build one curve of `points` points (values and
// frequencies, as a curve holds them).
double microsecondsPerCurve(int points, int repeats) {
    float sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r) {
        CFloatArray values, frequencies;
        for (int i = 0; i < points; ++i) {
            values.Add(static_cast<float>(i) * 0.5f);
            frequencies.Add(static_cast<float>(i) + 1.0f);
        }
        sink += values.GetAt(points - 1) + frequencies.GetAt(0);
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    if (sink < 0) std::puts("");  // keeps the work from being optimised away
    return spent.count() / repeats;
}

}  // namespace

int main() {
    const struct {
        int points;
        int repeats;
    } cases[] = {{800, 20000}, {50000, 200}};
    for (const auto &c : cases)
        std::printf("CFloatArray::Add build of a %6d-point curve: %10.1f us\n", c.points,
                    microsecondsPerCurve(c.points, c.repeats));
    return 0;
}
