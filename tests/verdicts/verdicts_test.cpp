// The verdicts of a site on its plugs, on small hand-made sites: the
// per-pair rule, skew, Zc, mapping, the frequency kinds against limit
// curves with their uncertainty, optical attenuation, the tally and sorts.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "hand_made_site.h"
#include "verdicts.h"

namespace {

using namespace quillet::model;
using quillet::NumberFormat;
using namespace quillet::testing;

CPrise completePlug() {
    CPrise plug;
    plug.resultType = 5;
    return plug;
}

struct PerPairCase {
    std::array<std::uint16_t, 4> delays;
    const char *delayText;
    const char *lengthText;
};

class PerPairRule : public ::testing::TestWithParam<PerPairCase> {};

TEST_P(PerPairRule, FirstFailureDecidesUnlessItWasWithinTheUncertainty) {
    const CSite site = copperSite();
    CPrise plug = completePlug();
    setDelays(plug, GetParam().delays);
    const SiteVerdicts verdicts(site, NumberFormat());
    EXPECT_EQ(verdicts.delay(plug).text, GetParam().delayText);
    EXPECT_EQ(verdicts.length(plug).text, GetParam().lengthText);
}

// Delay limit 470 ns, u = 25; length limit 90 m, u = 4, at 0.207 m/ns.
INSTANTIATE_TEST_SUITE_P(Delays, PerPairRule,
                         ::testing::Values(PerPairCase{{400, 480, 410, 405}, "FAIL*", "FAIL"},
                                           PerPairCase{{400, 500, 480, 405}, "FAIL", "FAIL"},
                                           PerPairCase{{455, 480, 400, 400}, "FAIL*", "FAIL"},
                                           PerPairCase{{440, 400, 400, 400}, "PASS", "FAIL*"},   // 91.08 m
                                           PerPairCase{{460, 400, 400, 400}, "PASS*", "FAIL"},   // 95.22 m
                                           PerPairCase{{300, 310, 320, 330}, "PASS", "PASS"},
                                           PerPairCase{{420, 300, 300, 300}, "PASS", "PASS*"}));  // 86.9 m

TEST(PerPairRule, OnlyThePairsOfTheMaskCount) {
    CSite site = copperSite();
    site.standard.pairMask = 0x05;  // pairs 1 and 2
    site.standard.pairCount = 4;
    CPrise plug = completePlug();
    setDelays(plug, {300, 300, 900, 900});
    EXPECT_EQ(SiteVerdicts(site, NumberFormat()).delay(plug).text, "PASS");
    site.standard.pairMask = 0x55;
    site.standard.pairCount = 2;  // the count caps the mask
    EXPECT_EQ(SiteVerdicts(site, NumberFormat()).delay(plug).text, "PASS");
}

TEST(LoopResistance, IgnoresTheFlagBit) {
    CSite site = copperSite();
    CPrise plug = completePlug();
    for (std::size_t p = 0; p < 4; ++p) setWord(plug, 1 + 2 * p, 0x00C9);  // (0xC9 >> 1) / 10 = 10.0
    const Verdict v = SiteVerdicts(site, NumberFormat()).loopResistance(plug);
    EXPECT_TRUE(v.pass);
    EXPECT_TRUE(v.near);  // 10.0 > 10 - 0.2
    EXPECT_EQ(v.text, "PASS*");
}

TEST(Skew, SpreadOfTheDelaysAgainstTheLimit) {
    CSite site = copperSite();
    CPrise plug = completePlug();
    setDelays(plug, {400, 450, 410, 405});  // 50 ns against 45, u = 10
    EXPECT_EQ(SiteVerdicts(site, NumberFormat()).skew(plug).text, "FAIL*");
    site.standard.maxSkew = 0;
    EXPECT_EQ(SiteVerdicts(site, NumberFormat()).skew(plug).text, "PASS");
}

TEST(NotMeasured, IncompleteResultsAndMissingTestsShowHashes) {
    CSite site = copperSite();
    CPrise plug = completePlug();
    const SiteVerdicts verdicts(site, NumberFormat());
    EXPECT_EQ(verdicts.zc(plug).text, "####");  // Zc outside value mode
    plug.resultType = 1;
    const Verdict length = verdicts.length(plug);
    EXPECT_EQ(length.text, "####");
    EXPECT_FALSE(length.measured);
    EXPECT_TRUE(length.pass);
}

TEST(ValueMode, TextsCarryValuesAndUnits) {
    CSite site = copperSite();
    site.standard.flags = 0x04;
    site.standard.zcTolerance = 15;
    site.cable.nominalImpedance = 100;
    CPrise plug = completePlug();
    setWord(plug, 0, 400);  // delay, ns
    setWord(plug, 4, 105);  // loop resistance, 0.1 ohm
    plug.block[8] = 112;    // measured Zc
    const SiteVerdicts verdicts(site, NumberFormat(','));
    EXPECT_EQ(verdicts.delay(plug).text, " 400 ns");
    EXPECT_EQ(verdicts.length(plug).text, "82,8 m");
    EXPECT_EQ(verdicts.loopResistance(plug).text, "10,5 Ohm");  // 10.5 against 10 fails beyond u = 0.2
    EXPECT_EQ(verdicts.zc(plug).text, " 112 Ohm*");             // |100 - 112| = 12 against 15, u = 5: near
    plug.resultType = 0;
    EXPECT_EQ(verdicts.length(plug).text, "#### m");
    EXPECT_EQ(verdicts.delay(plug).text, "#### ns");
    EXPECT_EQ(verdicts.loopResistance(plug).text, "#### Ohm");
    EXPECT_EQ(verdicts.zc(plug).text, "####") << "Zc gets no unit when not measured";
}

TEST(Mapping, VoltageWiringAndSplitPairs) {
    CSite site = copperSite();
    CPrise plug = completePlug();
    const SiteVerdicts verdicts(site, NumberFormat());
    EXPECT_EQ(verdicts.mapping(plug).text, "PASS");
    plug.block[0] = 0x80;
    EXPECT_EQ(verdicts.mapping(plug).text, "S");
    EXPECT_FALSE(verdicts.mapping(plug).pass);
    plug.resultType = 1;
    EXPECT_EQ(verdicts.mapping(plug).text, "FAIL");
    EXPECT_TRUE(verdicts.mapping(plug).measured);
    plug.resultType = 0;
    const Verdict volt = verdicts.mapping(plug);
    EXPECT_EQ(volt.text, "VOLT");
    EXPECT_FALSE(volt.measured);
    EXPECT_FALSE(volt.pass);
}

struct KindCase {
    int kind;
    double limitDb, uncertaintyDb, valueDb;
    const char *text;
};

class FrequencyKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(FrequencyKind, MarginAgainstTheLimitAndItsUncertainty) {
    const KindCase &c = GetParam();
    CSite site = copperSite();
    setLimit(site, c.kind, flatLimit(c.limitDb, c.uncertaintyDb));
    CPrise plug = completePlug();
    setAllWorstCases(plug, c.kind, c.valueDb);
    const Verdict v = SiteVerdicts(site, NumberFormat()).frequencyKind(c.kind, plug);
    EXPECT_EQ(v.text, c.text);
    EXPECT_TRUE(v.measured);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, FrequencyKind,
    ::testing::Values(KindCase{kind::kNext, 35.0, 1.0, 35.5, "PASS*"}, KindCase{kind::kNext, 35.0, 1.0, 36.125, "PASS"},
                      KindCase{kind::kNext, 35.0, 1.0, 36.0, "PASS*"},  // margin equal to the uncertainty
                      KindCase{kind::kNext, 35.0, 0.0, 35.0, "PASS*"},  // margin 0 passes, and is within 0
                      KindCase{kind::kNext, 35.0, 1.0, 33.875, "FAIL"}, KindCase{kind::kNext, 35.0, 1.0, 34.5, "FAIL*"},
                      KindCase{kind::kAttenuation, 20.5, 0.5, 21.0, "FAIL*"},
                      KindCase{kind::kAttenuation, 20.5, 0.25, 21.0, "FAIL"},
                      KindCase{kind::kAttenuation, 20.5, 0.25, 19.0, "PASS"}));

TEST(FrequencyKinds, ExemptSidesAndMissingLimitsPass) {
    CSite site = copperSite();
    setLimit(site, kind::kReturnLoss, flatLimit(20.0, 1.0));
    CPrise plug = completePlug();
    setWorstCase(plug, kind::kReturnLoss, Side::Tester, WorstEntry::B, 0, 5.0, 3);
    setWorstCase(plug, kind::kReturnLoss, Side::Remote, WorstEntry::B, 0, 5.0, 3);
    const SiteVerdicts failing(site, NumberFormat());
    EXPECT_EQ(failing.frequencyKind(kind::kReturnLoss, plug).text, "FAIL");
    plug.rlTesterExempt = plug.rlRemoteExempt = 1;
    const Verdict exempt = failing.frequencyKind(kind::kReturnLoss, plug);
    EXPECT_EQ(exempt.text, "PASS");
    EXPECT_TRUE(exempt.measured);
    // No NEXT limit curve: measured, always PASS.
    setAllWorstCases(plug, kind::kNext, 1.0);
    EXPECT_EQ(failing.frequencyKind(kind::kNext, plug).text, "PASS");
}

TEST(OpticalAttenuation, EachEntryOfTheCablesTable) {
    CSite site;
    site.standard.flags = 0x08;
    site.standard.testsMask = 0x2000;
    site.standard.optical[2] = {OpticalLimit{850, 250}, OpticalLimit{1300, 150}};  // 2.5 and 1.5 dB
    site.uncertainties[5] = 0.2f;
    CPrise plug = completePlug();
    plug.block[0] = 0x80;
    setWord(plug, 1, 180);  // 1.80 dB: passes
    plug.block[3] = 0x80;
    setWord(plug, 4, 160);  // 1.60 dB against 1.5: fails within 0.2
    const Verdict v = SiteVerdicts(site, NumberFormat()).attenuation(plug);
    EXPECT_EQ(v.text, " 1.80 dB\t(2.50 dB)\t\t 1.60* dB\t(1.50 dB)\t\t");
    ASSERT_EQ(v.entries.size(), 2u);
    EXPECT_TRUE(v.entries[0].pass);
    EXPECT_FALSE(v.entries[1].pass);
    EXPECT_TRUE(v.entries[1].near);
    EXPECT_FALSE(v.pass);
    plug.block[3] = 0;  // second loss not measured
    EXPECT_EQ(SiteVerdicts(site, NumberFormat()).attenuation(plug).text,
              " 1.80 dB\t(2.50 dB)\t\t##### dB\t(1.50 dB)\t\t");
}

TEST(Tally, CountsPassesFailuresAndThoseNearTheUncertainty) {
    CSite site = copperSite();
    std::vector<CPrise> plugs(4, completePlug());
    setDelays(plugs[0], {300, 300, 300, 300});  // passed
    setDelays(plugs[1], {460, 300, 300, 300});  // passed near
    plugs[2].resultType = 2;
    setDelays(plugs[2], {480, 300, 300, 300});  // failed near
    plugs[3].resultType = 2;
    setDelays(plugs[3], {600, 300, 300, 300});  // failed beyond
    std::vector<const CPrise *> listed;
    for (const auto &p : plugs) listed.push_back(&p);
    site.standard.maxLength = 0;  // keep length and skew out of it
    site.standard.maxSkew = 0;
    const Tally t = SiteVerdicts(site, NumberFormat()).tally(listed);
    EXPECT_EQ(t.tested, 4);
    EXPECT_EQ(t.failed, 2);
    EXPECT_EQ(t.passed, 2);
    EXPECT_EQ(t.passedNear, 1);
    EXPECT_EQ(t.failedNear, 1);
}

TEST(SortPlugs, MaskedIdsTimesAndTies) {
    EXPECT_EQ(maskedPlugId("A1-03", "?" "?-"), "-03");
    EXPECT_EQ(maskedPlugId("A07", "?XX"), "07");
    EXPECT_EQ(maskedPlugId("AB", ""), "AB");
    CSite site = copperSite();
    for (auto [id, time] : {std::pair{"A07", 30u}, {"B03", 10u}, {"C11", 20u}}) {
        CPrise p = completePlug();
        p.plugId = id;
        p.testTime = time;
        site.plugs.push_back(p);
    }
    sortPlugs(site, 1, "?XX", true, NumberFormat());
    EXPECT_EQ(site.plugs[0].plugId, "B03");
    EXPECT_EQ(site.plugs[2].plugId, "C11");
    sortPlugs(site, 16, "", false, NumberFormat());
    EXPECT_EQ(site.plugs[0].plugId, "A07");  // newest first
    sortPlugs(site, 16, "", true, NumberFormat());
    EXPECT_EQ(site.plugs[0].plugId, "B03");
    sortPlugs(site, 3, "", true, NumberFormat());  // equal length texts keep their order
    EXPECT_EQ(site.plugs[0].plugId, "B03");
    EXPECT_EQ(site.plugs[1].plugId, "C11");
}

// The literal selection sort the plug lists are known by: the best plug of
// positions i.. swapped into position i, ties keeping the earlier plug.
void selectionSort(std::vector<CPrise> &plugs, const std::function<std::string(const CPrise &)> &key,
                   bool ascending) {
    for (std::size_t i = 0; i < plugs.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < plugs.size(); ++j) {
            const std::string kj = key(plugs[j]), kb = key(plugs[best]);
            if (ascending ? kj < kb : kj > kb) best = j;
        }
        if (best != i) std::swap(plugs[i], plugs[best]);
    }
}

TEST(SortPlugs, SameOrderAsTheSelectionSortWithManyTies) {
    CSite site = copperSite();
    for (int i = 0; i < 60; ++i) {
        CPrise p = completePlug();
        p.plugId = std::string(1, static_cast<char>('A' + (i * 7) % 5)) + std::to_string((i * 13) % 4);
        p.testTime = static_cast<std::uint32_t>((i * 11) % 6);
        site.plugs.push_back(p);
    }
    struct Case {
        int criterion;
        const char *mask;
        bool ascending;
    };
    for (const Case &c : {Case{1, "?X", true}, Case{1, "?X", false}, Case{1, "", true}, Case{16, "", true},
                          Case{16, "", false}}) {
        SCOPED_TRACE(c.criterion);
        std::vector<CPrise> expected = site.plugs;
        const std::string mask = c.mask;
        if (c.criterion == 16)
            selectionSort(expected, [](const CPrise &p) {
                char text[16];
                std::snprintf(text, sizeof text, "%010u", p.testTime);
                return std::string(text);
            }, c.ascending);
        else
            selectionSort(expected, [&mask](const CPrise &p) { return maskedPlugId(p.plugId, mask); }, c.ascending);
        CSite sorted = site;
        sortPlugs(sorted, c.criterion, c.mask, c.ascending, NumberFormat());
        std::vector<std::string> got, want;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            got.push_back(sorted.plugs[i].plugId + "@" + std::to_string(sorted.plugs[i].testTime));
            want.push_back(expected[i].plugId + "@" + std::to_string(expected[i].testTime));
        }
        EXPECT_EQ(got, want);
    }
}

}  // namespace
