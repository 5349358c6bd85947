// The demo unit served by firmware of each revision on either side of every
// gate that touches a record, read through libtorvlink: each record must
// decode to the unit's values in the form that revision sends.
#include <gtest/gtest.h>

#include "linked_tester.h"
#include "record_checks.h"

namespace unitread {
namespace {

using namespace torvik::sim;

struct Forms {
    const char *revision;
    bool sixValues;    // two-number NORM?, LIMITOPT?, longer graph sections
    bool kindByte;     // the result type in bits 5 to 7 of byte 41
    bool lateFields;   // CFGSITE? byte 69, NORM? bytes 27-28, byte 60
    bool plugNames;    // PLUG_NAME?
    bool threeTables;  // the 24-byte LIMITOPT?
    bool autoGraphs;   // NBSECTS_TESTS?, curves in the chains
};

void PrintTo(const Forms &forms, std::ostream *out)
{
    *out << forms.revision;
}

constexpr std::size_t kCat6Site = 0;     // curves with every plug
constexpr std::size_t kClassDSite = 4;   // a voltage stop and an open wire
constexpr std::size_t kOpticalStandard = 6;

class RevisionForms : public LinkedTester, public ::testing::WithParamInterface<Forms> {
protected:
    void SetUp() override
    {
        Unit unit = demoUnit();
        unit.identity.revision = GetParam().revision;
        connect(std::move(unit));
        tester().clearTrace();
    }

    const Site &site(std::size_t slot) const { return *unit().sites.at(slot); }

    std::vector<SectionRecord> readChain(uint16_t first, std::size_t limit)
    {
        std::vector<SectionRecord> chain;
        for (uint16_t n = first; n != 0 && chain.size() < limit;) {
            SectionRecord record;
            if (TorvikGetSect(&record, n, 0) != 0)
                break;
            chain.push_back(record);
            n = record.next;
        }
        return chain;
    }
};

TEST_P(RevisionForms, StandardRecordAndItsOpticalLimits)
{
    const Forms &forms = GetParam();
    NormRecord norm;
    ASSERT_EQ(TorvikGetNorm(&norm, 1, -1), 0);
    EXPECT_NE(tester().received().find(forms.sixValues ? "NORM? 1, -1\n" : "NORM? 1\n"), std::string::npos);
    const Standard &cat6 = unit().standards[1];
    EXPECT_EQ(+norm.bytes27[0], forms.lateFields ? cat6.lateBytes[0] : 0);
    EXPECT_EQ(+norm.bytes27[1], forms.lateFields ? cat6.lateBytes[1] : 0);
    EXPECT_EQ(+norm.words4[2], cat6.maxLength);

    ASSERT_EQ(TorvikGetNorm(&norm, kOpticalStandard, -1), 0);
    LimitOptRecord optical;
    ASSERT_EQ(TorvikGetLimitOpt(&optical, norm.limitNrs[1]), 0);
    const OpticalTables &tables = unit().standards[kOpticalStandard].optical;
    // Firmware of two tables sent the single-mode one second; the host
    // takes the first for both multimode tables.
    const std::array<std::size_t, 3> sentAs{0, forms.threeTables ? 1u : 0u, 2};
    for (std::size_t t = 0; t < 3; ++t) {
        for (std::size_t e = 0; e < 2; ++e) {
            const OpticalLimit &entry = tables[sentAs[t]][e];
            EXPECT_EQ(+optical.words[4 * t + 2 * e], forms.sixValues ? entry.label : 0) << t << "," << e;
            EXPECT_EQ(+optical.words[4 * t + 2 * e + 1], forms.sixValues ? entry.limit : 0) << t << "," << e;
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_P(RevisionForms, SiteConfigurationAndPlugName)
{
    const Forms &forms = GetParam();
    SiteConfigRecord config;
    ASSERT_EQ(TorvikGetSiteConfig(&config, kCat6Site), 0);
    EXPECT_EQ(+config.plugNameNr, forms.lateFields ? site(kCat6Site).plugName : 0);
    EXPECT_EQ(+config.nvp, site(kCat6Site).nvp);
    char name[65];
    tester().clearTrace();
    ASSERT_EQ(TorvikGetPlugName(name, 1), 0);
    EXPECT_EQ(name, forms.plugNames ? unit().plugNames.at(1) : std::string());
    EXPECT_EQ(tester().received().empty(), !forms.plugNames);
    EXPECT_TRUE(messages.empty());
}

// Sections of a curve of n values: the header carries 400, each
// continuation 405.
std::size_t curveSectionCount(std::size_t values)
{
    return values <= 400 ? 1 : 1 + (values - 400 + 404) / 405;
}

TEST_P(RevisionForms, TestChainWithOrWithoutCurves)
{
    const Forms &forms = GetParam();
    const Site &cat6 = site(kCat6Site);
    std::size_t withCurves = 0;
    for (const Plug &plug : cat6.plugs) {
        withCurves += 1;
        for (const PlugCurve &curve : plug.curves)
            withCurves += curveSectionCount(curve.values.size());
    }
    const int32_t count = TorvikGetSiteNbSectsTests(kCat6Site);
    EXPECT_EQ(count, static_cast<int32_t>(forms.autoGraphs ? withCurves : cat6.plugs.size()));
    const auto head = readChain(static_cast<uint16_t>(TorvikGetSiteNrSect0Test0(kCat6Site)), 2);
    ASSERT_EQ(head.size(), 2u);
    EXPECT_EQ(textAt(head[0], 3, 15), cat6.plugs[0].id);
    if (forms.autoGraphs) {
        ASSERT_EQ(head[1].type & 3, 3);
        EXPECT_EQ(static_cast<int16_t>(word(head[1], 5)), cat6.plugs[0].curves[0].values[0]);
    } else {
        ASSERT_EQ(head[1].type & 3, 0);
        EXPECT_EQ(textAt(head[1], 3, 15), cat6.plugs[1].id);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_P(RevisionForms, ResultByteAndLateByteOfPlugSections)
{
    const Forms &forms = GetParam();
    const Site &office = site(kClassDSite);
    const auto chain = readChain(static_cast<uint16_t>(TorvikGetSiteNrSect0Test0(kClassDSite)), 100);
    ASSERT_EQ(chain.size(), office.plugs.size());
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const Plug &plug = office.plugs[i];
        SCOPED_TRACE(plug.id);
        // Old firmware tells only a failed wire map apart, in bit 0.
        const int kind = forms.kindByte ? plug.result : (plug.result == 1 ? 1 : 0);
        EXPECT_EQ(byteAt(chain[i], 41) >> 5, kind);
        if (plug.result == 1) {
            EXPECT_EQ(byteAt(chain[i], 60), forms.lateFields ? plug.wiring.shield : 0);
        }
        if (plug.result == 0) {
            EXPECT_EQ(word(chain[i], 43), plug.voltage.pairs[0].dc);
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_P(RevisionForms, GraphSectionsHoldTheRevisionsPointCounts)
{
    const Forms &forms = GetParam();
    const Graph &graph = site(kCat6Site).graphs.at(0);
    int16_t count = 0;
    const int32_t first = TorvikGetSiteNrSect0Grph(&count, kCat6Site, 0);
    const auto chain = readChain(static_cast<uint16_t>(first), 100);
    ASSERT_EQ(chain.size(), static_cast<std::size_t>(count));
    const std::size_t firstPoints = forms.sixValues ? 362 : 105;
    const std::size_t perSection = forms.sixValues ? 405 : 147;
    EXPECT_EQ(chain.size(), 1 + (graph.values.size() - firstPoints + perSection - 1) / perSection);
    const StepLayout layout{43, 45, static_cast<std::size_t>(TorvikGetGraphFirstNbd()),
                            static_cast<std::size_t>(TorvikGetGraphSteNbd())};
    EXPECT_EQ(chainValues(chain, layout, graph.values.size()), graph.values);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Gates, RevisionForms,
    ::testing::Values(Forms{"B.00", false, false, false, false, false, false},
                      Forms{"B.01", true, false, false, false, false, false},
                      Forms{"B.02", true, true, false, false, false, false},
                      Forms{"B.07", true, true, false, false, false, false},
                      Forms{"B.08", true, true, true, false, false, false},
                      Forms{"C.00", true, true, true, true, false, false},
                      Forms{"C.05", true, true, true, true, true, false},
                      Forms{"D.02", true, true, true, true, true, false},
                      Forms{"D.03", true, true, true, true, true, true},
                      Forms{"Z.28", true, false, false, false, false, false},
                      Forms{"Z.45", true, true, true, true, true, false},
                      Forms{"Z.48", true, true, true, true, true, true}),
    [](const ::testing::TestParamInfo<Forms> &param) {
        std::string name = param.param.revision;
        name.erase(1, 1);
        return name;
    });

}  // namespace
}  // namespace unitread
