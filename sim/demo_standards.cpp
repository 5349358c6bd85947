#include "demo_standards.h"

#include <algorithm>
#include <cmath>

#include "limit_curve.h"

namespace torvik::sim {

namespace {

constexpr uint16_t kUnitsPerMHz = 60;

// The tester's sweeps: 0.1 MHz steps up to 19.9 MHz, 0.25 MHz up to 100 MHz
// and, for the 250 MHz classes, 0.5 MHz up to 250 MHz.
std::vector<SweepSegment> sweepUpTo(int topMHz)
{
    std::vector<SweepSegment> sweep{{60, 6, 189}, {1200, 15, 510}};
    if (topMHz > 100)
        sweep.push_back({6030, 30, 810});
    return sweep;
}

// Limit points spread evenly on a logarithmic scale from 1 MHz to the top,
// plus the corners of the piecewise return-loss formulas.
std::vector<uint16_t> limitPointFrequencies(int topMHz)
{
    constexpr int spread = 38;
    std::vector<uint16_t> units;
    for (int i = 0; i < spread; ++i) {
        const double mhz = std::pow(static_cast<double>(topMHz), double(i) / (spread - 1));
        units.push_back(static_cast<uint16_t>(std::lround(mhz * kUnitsPerMHz)));
    }
    for (const int corner : {10, 20, 40})
        units.push_back(static_cast<uint16_t>(corner * kUnitsPerMHz));
    std::sort(units.begin(), units.end());
    units.erase(std::unique(units.begin(), units.end()), units.end());
    return units;
}

struct DcLimits {
    uint16_t maxLength;
    uint16_t maxDelay;
    uint16_t maxSkew;
    uint16_t maxLoopResistance;
};

// Mapping, length and delay, every frequency-dependent kind; loop
// resistance where the class limits it.
constexpr uint16_t kCopperTests = 0x3FCB;
constexpr uint16_t kLoopResistanceTest = 0x0004;

DemoStandard copperStandard(const std::string &name, const LinkClassFormulas &formulas, int topMHz,
                            const DcLimits &dc)
{
    DemoStandard demo;
    demo.name = name;
    demo.formulas = &formulas;
    Standard &s = demo.standard;
    s.maxLength = dc.maxLength;
    s.maxDelay = dc.maxDelay;
    s.maxSkew = dc.maxSkew;
    s.maxLoopResistance = dc.maxLoopResistance;
    s.testsMask = static_cast<uint16_t>(kCopperTests | (dc.maxLoopResistance ? kLoopResistanceTest : 0));
    s.topFrequency = static_cast<uint16_t>(topMHz * kUnitsPerMHz);
    s.lateBytes = {1, 0};
    s.sweep = sweepUpTo(topMHz);
    const auto points = limitPointFrequencies(topMHz);
    for (std::size_t k = 0; k < kKindCount; ++k) {
        const auto kind = static_cast<Kind>(k);
        s.limits[k] = fitLimitCurve(
            points, [&formulas, kind](double mhz) { return limitDb(formulas, kind, mhz); },
            [kind](double mhz) { return uncertaintyDb(kind, mhz); });
    }
    return demo;
}

// Wire map, loop resistance, length, delay and skew, and impedance.
DemoStandard basicLink(const std::string &name)
{
    DemoStandard demo;
    demo.name = name;
    Standard &s = demo.standard;
    s.options = kValueMode;
    s.zcTolerance = 15;
    s.maxLoopResistance = 25;
    s.maxLength = 100;
    s.maxDelay = 555;
    s.maxSkew = 50;
    s.testsMask = 0x002F;
    s.topFrequency = 100 * kUnitsPerMHz;
    s.sweep = {{60, 60, 99}};
    return demo;
}

// Loss limits at two wavelengths for each fibre type, hundredths of a dB.
DemoStandard opticalLink(const std::string &name)
{
    DemoStandard demo;
    demo.name = name;
    Standard &s = demo.standard;
    s.options = kOptical;
    s.pairCount = 0;
    s.pairMask = 0;
    s.testsMask = 0x2003;
    s.sweep = {{60, 60, 99}};
    s.optical = {{
        {{{850, 260}, {1300, 200}}},
        {{{850, 280}, {1300, 210}}},
        {{{1310, 180}, {1550, 180}}},
    }};
    return demo;
}

}  // namespace

std::vector<DemoStandard> demoStandards(uint16_t firstMessage)
{
    constexpr DcLimits permanentLink{90, 498, 44, 0};
    constexpr DcLimits isoPermanentLink{90, 498, 44, 21};
    constexpr DcLimits isoChannel{100, 555, 50, 25};
    std::vector<DemoStandard> standards{
        copperStandard("TIA Cat 5e Perm. Link", cat5ePermanentLink(), 100, permanentLink),
        copperStandard("TIA Cat 6 Perm. Link", cat6PermanentLink(), 250, permanentLink),
        copperStandard("ISO11801 Class D PL", classDPermanentLink(), 100, isoPermanentLink),
        copperStandard("ISO11801 Class E PL", classEPermanentLink(), 250, isoPermanentLink),
        copperStandard("ISO11801 Class E Channel", classEChannel(), 250, isoChannel),
        basicLink("Basic Link 100 Ohm"),
        opticalLink("ISO11801 OF-300"),
    };
    for (std::size_t i = 0; i < standards.size(); ++i)
        standards[i].standard.nameMessage = static_cast<uint16_t>(firstMessage + i);
    return standards;
}

}  // namespace torvik::sim
