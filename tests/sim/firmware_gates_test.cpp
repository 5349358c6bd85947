// The firmware revision range test that selects the tester's reply forms.
#include <gtest/gtest.h>

#include "firmware_gates.h"

namespace torvik::sim {
namespace {

constexpr RevisionRange b08{"B.08", "Z.38"};
constexpr RevisionRange b01{"B.01", "Z.28"};

TEST(RevisionGate, DecidesByBothLowerBounds)
{
    const struct {
        const char *revision;
        RevisionRange range;
        bool in;
    } cases[] = {
        {"B.07", b08, false},  {"B.07", b01, true},   {"B.08", b08, true},
        {"Y.99", b08, true},   {"Z.00", b08, false},  {"Z.37", b08, false},
        {"Z.38", b08, true},   {"Z.99", b08, true},   {"A.99", b01, false},
        {"b.08", b08, true},   {"z.38", b08, true},   {"", b01, false},
        {"M.10", b01, false},  {"P.01", b01, false},  {"AK12", b01, false},
        {"AZ00", b01, false},  {"m.10", b01, false},  {"ak12", b01, false},
        {"A.00", gates::uncertainties, true},         {"M.02", gates::uncertainties, false},
        {"D.02", gates::autoGraphs, false},           {"D.03", gates::autoGraphs, true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(isRevisionInRange(c.revision, c.range), c.in)
            << c.revision << " in " << c.range.ordinary << "," << c.range.zSeries;
    }
}

}  // namespace
}  // namespace torvik::sim
