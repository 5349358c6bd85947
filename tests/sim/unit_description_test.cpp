// The unit description: the demo unit survives a round trip, and faulty
// descriptions are refused with the place of the fault.
#include <gtest/gtest.h>

#include "oem_text.h"
#include "unit_json.h"

namespace torvik::sim {
namespace {

TEST(UnitDescription, DemoUnitSurvivesARoundTrip)
{
    const Unit demo = demoUnit();
    const std::string text = describeUnit(demo);
    const Unit read = unitFromDescription(text);
    EXPECT_TRUE(read == demo);
    EXPECT_EQ(describeUnit(read), text);
}

TEST(UnitDescription, EveryCodePageByteSurvivesUnicode)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(utf8ToOem(oemToUtf8(all)), all);
    EXPECT_EQ(oemToUtf8("r\x82union \xDB"), "r\u00e9union \u2588");
    EXPECT_FALSE(utf8ToOem("\u20ac"));  // the euro sign is not in code page 850
    EXPECT_FALSE(utf8ToOem("\xC3"));    // cut UTF-8
}

TEST(UnitDescription, MissingFieldsKeepTheirDefaults)
{
    const Unit unit = unitFromDescription(R"({"identity": {"revision": "B.07"}, "sites": [null, {"name": "X"}]})");
    EXPECT_EQ(unit.identity.revision, "B.07");
    EXPECT_EQ(unit.identity.maker, Identity{}.maker);
    ASSERT_EQ(unit.sites.size(), 2u);
    EXPECT_FALSE(unit.sites[0]);
    EXPECT_EQ(unit.sites[1]->name, "X");
    EXPECT_EQ(unit.sites[1]->patternText, Site{}.patternText);
}

struct Faulty {
    const char *description;
    const char *place;  // expected at the start of the message
};

class FaultyDescription : public ::testing::TestWithParam<Faulty> {};

TEST_P(FaultyDescription, IsRefusedNamingThePlace)
{
    try {
        unitFromDescription(GetParam().description);
        FAIL() << "accepted";
    } catch (const UnitDescriptionError &e) {
        EXPECT_EQ(std::string(e.what()).rfind(GetParam().place, 0), 0u) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyDescription,
    ::testing::Values(
        Faulty{R"({"sites": [{"name": "SIXTEEN LETTERS!"}]})", "unit.sites[0].name"},
        Faulty{R"({"user": "\u20ac"})", "unit.user"},
        Faulty{R"({"productCode": "45113"})", "unit.productCode"},
        Faulty{R"({"cables": [{"impedanceOhm": 300}]})", "unit.cables[0].impedanceOhm"},
        Faulty{R"({"messages": {"x": "A"}})", "unit.messages"},
        Faulty{R"({"sites": [{"plugs": [{"copper": {"loopResistanceOhm": [1, 2, 17.3, 4]}}]}]})",
               "unit.sites[0].plugs[0].copper.loopResistanceOhm[2]"},
        Faulty{R"({"sites": [{"plugs": [{"curves": [{"kind": "next", "dB": [40, 60]}]}]}]})",
               "unit.sites[0].plugs[0].curves[0].dB"},
        Faulty{R"({"sites": [{"graphs": [{"kind": "xtalk"}]}]})", "unit.sites[0].graphs[0].kind"},
        Faulty{R"({"sites": [{"plugs": [{"copper": {"worst": {"next": {"tester": {"margin": {"dB": 120}}}}}}]}]})",
               "unit.sites[0].plugs[0].copper.worst.next.tester.margin"},
        Faulty{R"({"sites": [{"dateTime": "12/03/2024"}]})", "unit.sites[0].dateTime"},
        Faulty{R"({"standards": [{"sweep": [{}, {}, {}, {}, {}]}]})", "unit.standards[0].sweep"}));

}  // namespace
}  // namespace torvik::sim
