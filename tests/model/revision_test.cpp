// The revision of a header line and the gate test, over the whole gate
// table: each gate at its bounds, just below them, in both series.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "revision.h"

namespace quillet::model {
namespace {

struct HeaderCase {
    const char *header;
    const char *revision;
};

class HeaderRevision : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderRevision, TextAfterTabAndV) {
    EXPECT_EQ(revisionOfHeader(GetParam().header), GetParam().revision);
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderRevision,
                         ::testing::Values(HeaderCase{"Application Quillet\tvD.06\tDocument AutoTest", "D.06"},
                                           HeaderCase{"Application Quillet\tvd.06\tDocument Norme", "D.06"},
                                           HeaderCase{"Application Quillet\tvZ.27", "Z.27"},
                                           HeaderCase{"Application Quillet\tv\tDocument Norme", ""},
                                           HeaderCase{"Application Quillet\t", ""},
                                           HeaderCase{"Application Quillet vD.06", ""},
                                           HeaderCase{"", ""}));

// The revision just below r in its series ("A.10" -> "A.09", "B.00" ->
// "A.99"); "" below "A.00".
std::string below(const std::string &r) {
    int n = (r[0] - 'A') * 100 + (r[2] - '0') * 10 + (r[3] - '0') - 1;
    if (n < 0) return "";
    return std::string{static_cast<char>('A' + n / 100), '.', static_cast<char>('0' + n / 10 % 10),
                       static_cast<char>('0' + n % 10)};
}

class GateBounds : public ::testing::TestWithParam<GateEntry> {};

TEST_P(GateBounds, PassesFromEachBoundFailsBelow) {
    const GateEntry &g = GetParam();
    EXPECT_TRUE(passes(g.ordinary, g.gate));
    EXPECT_TRUE(passes("Y.99", g.gate)) << "highest ordinary revision";
    EXPECT_FALSE(passes(below(g.ordinary), g.gate));
    EXPECT_TRUE(passes(g.zSeries, g.gate));
    EXPECT_TRUE(passes("Z.99", g.gate));
    EXPECT_FALSE(passes(below(g.zSeries), g.gate));
    EXPECT_FALSE(passes("Z.00", g.gate)) << "the Z series starts over";
    EXPECT_FALSE(passes("", g.gate)) << "an archive without document";
}

INSTANTIATE_TEST_SUITE_P(Table, GateBounds, ::testing::ValuesIn(gateTable().begin(), gateTable().end()),
                         [](const auto &p) { return std::string(p.param.name); });

// Which gates of the table a revision passes.
std::vector<std::string> passedGates(const char *revision) {
    std::vector<std::string> names;
    for (const GateEntry &g : gateTable()) {
        if (passes(revision, g.gate)) names.push_back(g.name);
    }
    return names;
}

std::vector<std::string> allGates() { return passedGates("D.06"); }

TEST(Gates, OwnRevisionAndLastZPassEverything) {
    EXPECT_EQ(allGates().size(), gateTable().size());
    EXPECT_EQ(passedGates("Z.27"), allGates());
    EXPECT_EQ(passedGates("d.06"), allGates()) << "compared after upper-casing";
}

TEST(Gates, OldOrdinaryRevision) {
    EXPECT_EQ(passedGates("A.05"),
              (std::vector<std::string>{"CableFibreFlag2", "NormRecord", "NormWireNumbers",
                                        "NormOpticalTables", "PriseRecord", "PriseRlExemptions",
                                        "SiteRecord", "SiteFirstUncertainties",
                                        "SiteLastUncertainties", "DocumentRecords"}));
}

TEST(Gates, ZSeriesRevision) {
    EXPECT_EQ(passedGates("Z.10"), (std::vector<std::string>{"NormRecord", "PriseRecord", "SiteRecord",
                                                             "SiteFirstUncertainties", "DocumentRecords"}));
}

TEST(Gates, LastRevisionBeforeCurves) {
    EXPECT_TRUE(passes("C.99", Gate::CableFibreFlag1));
    EXPECT_FALSE(passes("C.99", Gate::PriseCurves));
    EXPECT_FALSE(passes("C.99", Gate::GrphMesPairCode));
}

}  // namespace
}  // namespace quillet::model
