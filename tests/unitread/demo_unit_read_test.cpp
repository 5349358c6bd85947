// Everything the demo unit stores, read through libtorvlink as the desktop
// program reads it, and every decoded value compared with the unit.
#include <gtest/gtest.h>

#include <cmath>

#include "limit_curve.h"
#include "linked_tester.h"
#include "record_checks.h"
#include "record_encoding.h"

namespace unitread {
namespace {

using torvik::sim::Cable;
using torvik::sim::curveIdentity;
using torvik::sim::demoUnit;
using torvik::sim::Graph;
using torvik::sim::kLimitSlotKinds;
using torvik::sim::LimitAt;
using torvik::sim::Plug;
using torvik::sim::PlugCurve;
using torvik::sim::Site;
using torvik::sim::Standard;
using torvik::sim::WiringConvention;

class DemoUnitRead : public LinkedTester {
protected:
    void SetUp() override { connect(demoUnit()); }

    std::string message(int32_t number)
    {
        char text[81] = {};
        EXPECT_EQ(TorvikGetMsg(text, number), 0);
        return text;
    }
};

void expectConfiguration(const SiteConfigRecord &r, const Site &site)
{
    EXPECT_EQ(textAt(r, 0, 16), site.name);
    EXPECT_EQ(+r.standardNr, site.standard);
    EXPECT_EQ(+r.conventionNr, site.convention);
    EXPECT_EQ(+r.cableNr, site.cable);
    EXPECT_EQ(textAt(r, 19, 19), site.wiringText);
    EXPECT_EQ(+r.nvp, site.nvp);
    EXPECT_EQ(+r.word40, site.configWord1);
    EXPECT_EQ(textAt(r, 42, 16), site.patternText);
    EXPECT_EQ(+r.word58, site.configWord2);
    EXPECT_EQ(+r.word60, site.configWord3);
    EXPECT_EQ(+r.byte62, site.configByte2);
    EXPECT_EQ(+r.byte63, site.configByte3);
    EXPECT_EQ(+r.byte64, site.configByte1);
    EXPECT_EQ(+r.dword65, site.configDword);
    EXPECT_EQ(+r.plugNameNr, site.plugName);
}

TEST_F(DemoUnitRead, SiteSlotsWithTheirConventionsCablesAndPlugNames)
{
    ASSERT_EQ(TorvikGetNbSitesMax(), static_cast<int32_t>(unit().sites.size()));
    for (std::size_t slot = 0; slot < unit().sites.size(); ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const auto n = static_cast<int32_t>(slot);
        char name[16];
        uint32_t when = 0;
        const auto &site = unit().sites[slot];
        if (!site) {  // an empty slot: no summary, and no message either
            EXPECT_EQ(TorvikGetSiteConfigSummary(name, &when, n), -1);
            EXPECT_EQ(TorvikGetSiteNbTests(n), 0);
            continue;
        }
        ASSERT_EQ(TorvikGetSiteConfigSummary(name, &when, n), 0);
        EXPECT_EQ(name, site->name);
        EXPECT_EQ(when, site->dateTime);
        EXPECT_EQ(TorvikGetSiteNbTests(n), static_cast<int32_t>(site->plugs.size()));
        SiteConfigRecord config;
        ASSERT_EQ(TorvikGetSiteConfig(&config, n), 0);
        expectConfiguration(config, *site);

        const WiringConvention &convention = unit().conventions.at(site->convention);
        ConnectionInfoRecord cnx;
        ASSERT_EQ(TorvikGetConvCnx(&cnx, site->convention), 0);
        EXPECT_EQ(message(cnx.nameMsgNr), unit().messages.at(convention.nameMessage));
        EXPECT_EQ((cnx.flags & 0x20) != 0, convention.reversedPairs);
        EXPECT_EQ((cnx.flags & 0x40) != 0, convention.flag2);
        EXPECT_EQ((cnx.flags & 0x80) != 0, convention.flag3);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(+cnx.bytes3[i], convention.pinMap[i]);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(+cnx.bytes11[i], convention.pairMap[i]);
            EXPECT_EQ(+cnx.bytes15[i], convention.extra[i]);
        }
        WireNamesRecord wires;
        ASSERT_EQ(TorvikGetConvWiresNames(&wires, site->convention), 0);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_STREQ(wires.names[i], convention.testerWires[i].c_str());
            EXPECT_STREQ(wires.names[12 + i], convention.remoteWires[i].c_str());
        }
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_STREQ(wires.names[8 + i], convention.testerPairs[i].c_str());
            EXPECT_STREQ(wires.names[20 + i], convention.remotePairs[i].c_str());
        }

        const Cable &cable = unit().cables.at(site->cable);
        CableRecord cab;
        ASSERT_EQ(TorvikGetCable(&cab, site->cable), 0);
        EXPECT_EQ(message(cab.nameMsgNr), unit().messages.at(cable.nameMessage));
        const bool flags[] = {cable.fibre1, cable.fibre2, cable.flag3, cable.withoutCable, cable.extraRow};
        for (int bit = 3; bit < 8; ++bit)
            EXPECT_EQ((cab.flags >> bit & 1) != 0, flags[bit - 3]) << "bit " << bit;
        EXPECT_EQ(+cab.byte3, cable.impedance);
        EXPECT_EQ(+cab.word4, cable.value1);
        EXPECT_EQ(+cab.word6, cable.value2);

        char plugName[65];
        ASSERT_EQ(TorvikGetPlugName(plugName, site->plugName), 0);
        EXPECT_EQ(plugName, site->plugName ? unit().plugNames.at(site->plugName) : std::string());
    }
    char plugName[65];
    ASSERT_EQ(TorvikGetPlugName(plugName, 2), 0);
    EXPECT_STREQ(plugName, "Salle de r\xE9union");  // code page 850 0x82 is é
    EXPECT_TRUE(messages.empty());
}

TEST_F(DemoUnitRead, NumbersOutOfRangeRaiseTheTestersError)
{
    SectionRecord section;
    EXPECT_EQ(TorvikGetSect(&section, 0, 0), -1);
    EXPECT_EQ(TorvikGetSect(&section, 65000, 0), -1);
    SiteConfigRecord config;
    EXPECT_EQ(TorvikGetSiteConfig(&config, static_cast<int32_t>(unit().sites.size())), -1);
    NormRecord norm;
    EXPECT_EQ(TorvikGetNorm(&norm, static_cast<int32_t>(unit().standards.size()), -1), -1);
    ::LimitCurve curve;
    uint16_t count = 0;
    EXPECT_EQ(TorvikGetLimit(&curve, &count, 255), -1);
    ASSERT_EQ(messages.size(), 5u);
    for (const std::string &text : messages)
        EXPECT_NE(text.find("Data out of range"), std::string::npos) << text;
}

// A curve's sections: its type-3 header and the type-2 sections after it.
std::vector<SectionRecord> curveSections(const std::vector<SectionRecord> &chain, std::size_t &next)
{
    std::vector<SectionRecord> sections{chain.at(next++)};
    while (next < chain.size() && (chain[next].type & 3) == 2)
        sections.push_back(chain[next++]);
    return sections;
}

std::vector<SectionRecord> readChain(uint16_t first, int32_t layoutFlags, std::size_t limit)
{
    std::vector<SectionRecord> chain;
    for (uint16_t n = first; n != 0 && chain.size() < limit;) {
        SectionRecord record;
        if (TorvikGetSect(&record, n, layoutFlags) != 0)
            break;
        chain.push_back(record);
        n = record.next;
    }
    return chain;
}

class SiteRead : public DemoUnitRead, public ::testing::WithParamInterface<std::size_t> {
protected:
    const Site &site() const { return *unit().sites.at(GetParam()); }
    const Standard &standard() const { return unit().standards.at(site().standard); }
    int32_t slot() const { return static_cast<int32_t>(GetParam()); }
};

TEST_P(SiteRead, EveryPlugAndCurveSectionMatchesTheSite)
{
    const int32_t count = TorvikGetSiteNbSectsTests(slot());
    const auto chain = readChain(static_cast<uint16_t>(TorvikGetSiteNrSect0Test0(slot())), standard().options,
                                 static_cast<std::size_t>(count) + 1);
    ASSERT_EQ(chain.size(), static_cast<std::size_t>(count));
    const StepLayout curveLayout{5, 9, static_cast<std::size_t>(TorvikGetAutoGraphFirstNbd()),
                                 static_cast<std::size_t>(TorvikGetAutoGraphSteNbd())};
    std::size_t next = 0;
    for (const Plug &plug : site().plugs) {
        ASSERT_LT(next, chain.size());
        expectTestSection(chain[next++], plug, standard());
        for (const PlugCurve &curve : plug.curves) {
            SCOPED_TRACE(plug.id + " curve " + std::to_string(&curve - plug.curves.data()));
            ASSERT_LT(next, chain.size());
            const auto sections = curveSections(chain, next);
            ASSERT_EQ(sections[0].type & 3, 3);
            EXPECT_EQ(byteAt(sections[0], 3), curveIdentity(curve.kind, curve.side, curve.pair));
            EXPECT_EQ(byteAt(sections[0], 4), curve.verdict);
            EXPECT_EQ(chainValues(sections, curveLayout, curve.values.size()), curve.values);
        }
    }
    EXPECT_EQ(next, chain.size());
    EXPECT_TRUE(messages.empty());
}

TEST_P(SiteRead, EveryGraphMatchesTheSite)
{
    ASSERT_EQ(TorvikGetSiteNbGrphs(slot()), static_cast<int32_t>(site().graphs.size()));
    const StepLayout graphLayout{43, 45, static_cast<std::size_t>(TorvikGetGraphFirstNbd()),
                                 static_cast<std::size_t>(TorvikGetGraphSteNbd())};
    for (std::size_t g = 0; g < site().graphs.size(); ++g) {
        const Graph &graph = site().graphs[g];
        SCOPED_TRACE("graph " + std::to_string(g));
        GraphSummaryRecord summary;
        ASSERT_EQ(TorvikGetSiteGrphSummary(&summary, slot(), static_cast<int32_t>(g)), 0);
        EXPECT_EQ(textAt(summary, 0, 15), graph.id);
        EXPECT_EQ(textAt(summary, 15, 19), graph.text);
        EXPECT_EQ(+summary.dateTime, graph.dateTime);
        EXPECT_EQ(+summary.bytes38[0], curveIdentity(graph.kind, graph.side, graph.pair));
        EXPECT_EQ(textAt(summary, 40, 8), graph.pairText);

        int16_t count = 0;
        const int32_t first = TorvikGetSiteNrSect0Grph(&count, slot(), static_cast<int32_t>(g));
        ASSERT_GT(first, 0);
        const auto chain = readChain(static_cast<uint16_t>(first), standard().options, 100);
        ASSERT_EQ(chain.size(), static_cast<std::size_t>(count));
        ASSERT_EQ(chain[0].type & 3, 1);
        for (std::size_t s = 1; s < chain.size(); ++s)
            EXPECT_EQ(chain[s].type & 3, 2);
        EXPECT_EQ(textAt(chain[0], 3, 15), graph.id);
        EXPECT_EQ(doubleWord(chain[0], 37), graph.dateTime);
        EXPECT_EQ(byteAt(chain[0], 41), curveIdentity(graph.kind, graph.side, graph.pair));
        EXPECT_EQ(byteAt(chain[0], 42), graph.verdict);
        ASSERT_EQ(graph.values.size(), static_cast<std::size_t>(standard().sweepPoints()));
        EXPECT_EQ(chainValues(chain, graphLayout, graph.values.size()), graph.values);
    }
    EXPECT_TRUE(messages.empty());
}

std::vector<std::size_t> occupiedSlots()
{
    std::vector<std::size_t> slots;
    const torvik::sim::Unit demo = demoUnit();
    for (std::size_t i = 0; i < demo.sites.size(); ++i) {
        if (demo.sites[i])
            slots.push_back(i);
    }
    return slots;
}

INSTANTIATE_TEST_SUITE_P(DemoSites, SiteRead, ::testing::ValuesIn(occupiedSlots()));

void expectNorm(const NormRecord &r, const Standard &s)
{
    EXPECT_EQ(+r.byte2, s.pairCount);
    EXPECT_EQ(+r.byte3, s.pairMask);
    const uint16_t words[6] = {s.zcTolerance, s.maxLoopResistance, s.maxLength, s.maxSkew, s.maxDelay, s.testsMask};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(+r.words4[i], words[i]) << "word " << i;
    EXPECT_EQ(+r.options, s.options);
    EXPECT_EQ(+r.frequency, s.topFrequency);
    EXPECT_EQ(+r.bytes27[0], s.lateBytes[0]);
    EXPECT_EQ(+r.bytes27[1], s.lateBytes[1]);
}

// The library's limit and uncertainty at every tenth sweep point agree
// with the tester's own evaluation at the same frequency.
void expectLimit(const ::LimitCurve &curve, uint16_t count, const torvik::sim::LimitCurve &stored,
                 const ::SweepSegment *segments, int32_t points)
{
    ASSERT_EQ(count, stored.points.size() + 1);
    EXPECT_EQ(+curve.records[0].frequency, count);
    EXPECT_EQ(curve.records[0].slope & 0xFF, stored.shift);
    for (std::size_t k = 0; k < stored.points.size(); ++k) {
        const LimitCurveRecord &r = curve.records[k + 1];
        EXPECT_EQ(+r.frequency, stored.points[k].frequency);
        EXPECT_EQ(static_cast<int16_t>(r.slope), stored.points[k].slope);
        EXPECT_EQ(static_cast<int16_t>(r.value), stored.points[k].value);
        EXPECT_EQ(+r.auxiliary, stored.points[k].uncertainty);
    }
    for (int32_t i = 0; i < points && !stored.points.empty(); i += 10) {
        const int32_t kHz = TorvikSweepIdxToFrqKHz(segments, i);
        int16_t aux = 0;
        int32_t clamped = 0;
        const int32_t value = TorvikGetGabValAtFrq(kHz, &curve, &aux, &clamped);
        const LimitAt expected = torvik::sim::limitAt(stored, static_cast<int32_t>(kHz * 0.06));
        EXPECT_EQ(value, expected.value) << kHz << " kHz";
        EXPECT_EQ(aux, expected.uncertainty) << kHz << " kHz";
    }
}

TEST_F(DemoUnitRead, StandardsWithTheirSweepsAndLimits)
{
    ASSERT_EQ(TorvikGetNbNorms(), static_cast<int32_t>(unit().standards.size()));
    for (std::size_t n = 0; n < unit().standards.size(); ++n) {
        const Standard &s = unit().standards[n];
        SCOPED_TRACE("standard " + std::to_string(n));
        const auto number = static_cast<int32_t>(n);
        NormRecord norm;
        ASSERT_EQ(TorvikGetNorm(&norm, number, -1), 0);
        expectNorm(norm, s);
        EXPECT_EQ(message(norm.nameMsgNr), unit().messages.at(s.nameMessage));
        uint8_t wires[8];
        ASSERT_EQ(TorvikGetNormWiresNr(wires, number), 0);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(wires[i], s.wireNumbers[i]);

        ::SweepSegment segments[4] = {};
        int16_t segmentCount = 0;
        ASSERT_EQ(TorvikGetSweep(segments, &segmentCount, number), 0);
        ASSERT_EQ(static_cast<std::size_t>(segmentCount), s.sweep.size());
        for (std::size_t i = 0; i < s.sweep.size(); ++i) {
            EXPECT_EQ(+segments[i].start, s.sweep[i].start);
            EXPECT_EQ(+segments[i].step, s.sweep[i].step);
            EXPECT_EQ(+segments[i].lastIndex, s.sweep[i].lastIndex);
        }
        EXPECT_EQ(TorvikSweepIdxToFrqKHz(segments, s.sweepPoints()), 0);  // beyond the sweep

        if (s.isOptical()) {
            LimitOptRecord optical;
            ASSERT_EQ(TorvikGetLimitOpt(&optical, norm.limitNrs[1]), 0);
            for (std::size_t t = 0; t < 3; ++t) {
                for (std::size_t e = 0; e < 2; ++e) {
                    EXPECT_EQ(+optical.words[4 * t + 2 * e], s.optical[t][e].label);
                    EXPECT_EQ(static_cast<int16_t>(optical.words[4 * t + 2 * e + 1]), s.optical[t][e].limit);
                }
            }
            continue;
        }
        for (std::size_t slot = 0; slot < 8; ++slot) {
            SCOPED_TRACE("limit slot " + std::to_string(slot));
            ::LimitCurve curve{};
            uint16_t count = 0;
            ASSERT_EQ(TorvikGetLimit(&curve, &count, norm.limitNrs[slot]), 0);
            expectLimit(curve, count, s.limits[static_cast<std::size_t>(kLimitSlotKinds[slot])], segments,
                        s.sweepPoints());
        }
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace unitread
