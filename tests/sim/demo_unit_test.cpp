// The demo unit is a plausible day of work: enough plugs in every class of
// result, limit curves that follow their formulas, the same unit each time.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "demo_standards.h"
#include "limit_curve.h"
#include "unit.h"

namespace torvik::sim {
namespace {

TEST(DemoUnit, IsTheSameEveryTime)
{
    const Unit first = demoUnit();
    EXPECT_TRUE(first == demoUnit());
}

TEST(DemoUnit, CopperSitesHoldEveryClassOfResult)
{
    const Unit unit = demoUnit();
    std::set<int> results;
    int copperSites = 0;
    int sitesWithCurves = 0;
    for (const auto &site : unit.sites) {
        if (!site || !unit.standards.at(site->standard).copper())
            continue;
        ++copperSites;
        EXPECT_GE(site->plugs.size(), 24u) << site->name;
        EXPECT_GE(site->graphs.size(), 2u) << site->name;
        bool curves = false;
        for (const Plug &plug : site->plugs) {
            results.insert(plug.result);
            curves = curves || !plug.curves.empty();
            // A complete result records all 36 measured curves or none.
            if (!plug.curves.empty()) {
                EXPECT_EQ(plug.curves.size(), 36u) << plug.id;
            }
        }
        sitesWithCurves += curves;
    }
    EXPECT_GE(copperSites, 3);
    EXPECT_GE(sitesWithCurves, 1);
    EXPECT_EQ(results, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

// Worst-case entry B of a passing plug never fails its limit, and a plug
// judged to pass clearly has no entry within the uncertainty; exempted
// sides do not count.
TEST(DemoUnit, PassingPlugsHaveNoFailingWorstCase)
{
    const Unit unit = demoUnit();
    for (const auto &site : unit.sites) {
        if (!site || !unit.standards.at(site->standard).copper())
            continue;
        const Standard &standard = unit.standards.at(site->standard);
        for (const Plug &plug : site->plugs) {
            if (plug.result < 4)
                continue;
            for (std::size_t k = 0; k < kKindCount; ++k) {
                const bool attenuation = k == static_cast<std::size_t>(Kind::Attenuation);
                for (std::size_t s = 0; s < (attenuation ? 1u : 2u); ++s) {
                    if (plug.exempt.exempts(static_cast<Kind>(k), s))
                        continue;
                    const WorstCase &entry = attenuation ? plug.copper.worst[k][s].absolute
                                                         : plug.copper.worst[k][s].margin;
                    const LimitAt limit = limitAt(standard.limits[k], standard.sweepFrequency(entry.index));
                    const int margin = attenuation ? limit.value - entry.value : entry.value - limit.value;
                    EXPECT_GE(margin, 0) << plug.id << " kind " << k << " side " << s;
                    if (plug.result == 5) {
                        EXPECT_GT(margin, limit.uncertainty) << plug.id << " kind " << k << " side " << s;
                    }
                }
            }
        }
    }
}

// The tester's limit curves stay within 1/8 dB of their formulas at their
// points and within 0.4 dB anywhere on the sweep (the straight segments cut
// the corner where NEXT meets its ceiling).
TEST(DemoUnit, LimitCurvesFollowTheirFormulas)
{
    for (const DemoStandard &demo : demoStandards(40)) {
        if (!demo.formulas)
            continue;
        const Standard &s = demo.standard;
        for (std::size_t k = 0; k < kKindCount; ++k) {
            const auto kind = static_cast<Kind>(k);
            ASSERT_FALSE(s.limits[k].points.empty()) << demo.name;
            for (int32_t i = 0; i < s.sweepPoints(); ++i) {
                const uint16_t units = s.sweepFrequency(i);
                const double expected = limitDb(*demo.formulas, kind, units / 60.0);
                EXPECT_NEAR(limitAt(s.limits[k], units).value / 8.0, expected, 0.4)
                    << demo.name << " kind " << k << " at " << units / 60.0 << " MHz";
            }
            for (const LimitPoint &p : s.limits[k].points)
                EXPECT_NEAR(p.value / 8.0, limitDb(*demo.formulas, kind, p.frequency / 60.0), 1 / 16.0);
        }
    }
}

// Published values at 100 MHz (and 250 MHz for the 250 MHz classes).
TEST(DemoUnit, LimitFormulasMeetPublishedValues)
{
    struct Case {
        const LinkClassFormulas &formulas;
        Kind kind;
        double mhz;
        double dB;
    };
    const Case cases[] = {
        {cat5ePermanentLink(), Kind::Attenuation, 100, 21.0}, {cat5ePermanentLink(), Kind::Next, 100, 32.3},
        {cat5ePermanentLink(), Kind::PsNext, 100, 29.3},      {cat5ePermanentLink(), Kind::Elfext, 100, 18.6},
        {cat5ePermanentLink(), Kind::ReturnLoss, 100, 12.0},  {classDPermanentLink(), Kind::Attenuation, 100, 20.4},
        {classDPermanentLink(), Kind::Acr, 100, 11.9},        {classDPermanentLink(), Kind::PsElfext, 100, 15.6},
        {classEPermanentLink(), Kind::Next, 250, 35.3},       {classEPermanentLink(), Kind::Attenuation, 250, 30.7},
        {classEPermanentLink(), Kind::ReturnLoss, 250, 10.0}, {classEPermanentLink(), Kind::Elfext, 100, 24.2},
        {classEChannel(), Kind::Attenuation, 250, 35.9},      {classEChannel(), Kind::Next, 250, 33.1},
        {classEChannel(), Kind::ReturnLoss, 250, 8.0},        {classEChannel(), Kind::PsNext, 250, 30.2},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(limitDb(c.formulas, c.kind, c.mhz), c.dB, 0.06) << int(c.kind) << " at " << c.mhz;
}

}  // namespace
}  // namespace torvik::sim
