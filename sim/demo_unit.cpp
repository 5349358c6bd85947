// The unit torvik-sim serves by default: the stored results of a day of
// certification work, generated from a fixed seed so that every run serves
// the same bytes.
#include "demo_sites.h"
#include "demo_standards.h"
#include "unit.h"

namespace torvik::sim {

namespace {

constexpr uint64_t kSeed = 20240312;
// 12 March 2024, 08:05.
constexpr uint32_t kMorning = 1710230700;
constexpr uint32_t kMinutes = 60;

constexpr uint16_t kFirstCableMessage = 1;
constexpr uint16_t kFirstConventionMessage = 20;
constexpr uint16_t kFirstStandardMessage = 40;

WiringConvention copperConvention(uint16_t message, std::array<uint8_t, 8> pins)
{
    WiringConvention c;
    c.nameMessage = message;
    c.pinMap = pins;
    c.pairMap = {0x12, 0x36, 0x45, 0x78};
    c.testerWires = {"1", "2", "3", "4", "5", "6", "7", "8"};
    c.testerPairs = {"12", "36", "45", "78"};
    c.remoteWires = c.testerWires;
    c.remotePairs = c.testerPairs;
    return c;
}

WiringConvention fibreConvention(uint16_t message)
{
    WiringConvention c;
    c.nameMessage = message;
    c.flag2 = true;
    c.pinMap = {1, 2, 0, 0, 0, 0, 0, 0};
    c.testerWires = {"TX", "RX"};
    c.testerPairs = {"F1"};
    c.remoteWires = {"RX", "TX"};
    c.remotePairs = {"F1"};
    return c;
}

std::vector<Cable> cables()
{
    std::vector<Cable> list(6);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].nameMessage = static_cast<uint16_t>(kFirstCableMessage + i);
    list[0].value1 = 700;  // the cable's own velocity of propagation
    list[1].value1 = 690;
    list[2].value1 = 780;
    list[3].value1 = 760;
    list[4] = {5, true, true, false, true, false, 0, 0, 0};
    list[5] = {6, false, false, false, true, true, 0, 0, 0};
    return list;
}

std::vector<CopperSitePlan> copperPlans()
{
    using enum Trouble;
    return {
        {"BLDG A FL2", demo::kCat6PermanentLink, 1, 1, 690, kMorning, 24, "2A", 201, 14.0, 86.0, true,
         {{2, NearPass}, {5, NextFail}, {9, NearFail}, {13, TooLong}, {17, SlightlyLong}, {20, ReturnLossFail},
          {22, ShortExempt}},
         {{3, Kind::Next, Side::Tester, 0}, {7, Kind::Attenuation, Side::Tester, 1},
          {11, Kind::ReturnLoss, Side::Remote, 2}, {3, Kind::Elfext, Side::Remote, 1},
          {3, Kind::Acr, Side::Tester, 0}, {12, Kind::PsNext, Side::Tester, 1},
          {12, Kind::PsElfext, Side::Remote, 2}, {12, Kind::PsAcr, Side::Tester, 3}}},
        {"BLDG A FL3", demo::kClassEPermanentLink, 0, 1, 690, kMorning + 135 * kMinutes, 24, "3A", 301, 12.0, 80.0,
         false,
         {{4, NearFail}, {8, NearPass}, {15, SplitPair}, {19, TooLong}},
         {{1, Kind::Next, Side::Remote, 5}, {15, Kind::Next, Side::Tester, 0}}},
        {"WAREHOUSE", demo::kCat5ePermanentLink, 1, 0, 700, kMorning + 300 * kMinutes, 26, "WH", 1, 9.0, 60.0,
         true,
         {{1, Voltage}, {6, WireMap}, {10, NearPass}, {14, NextFail}, {18, NearFail}, {22, ReturnLossFail}},
         {{2, Kind::Elfext, Side::Tester, 1}, {10, Kind::Next, Side::Tester, 2},
          {12, Kind::Attenuation, Side::Tester, 3}}},
        {"OFFICE 1.14", demo::kClassDPermanentLink, 0, 0, 700, kMorning + 420 * kMinutes, 24, "OF", 114, 6.0, 58.0,
         false,
         {{3, NearPass}, {5, WireMap}, {7, NearFail}, {11, Voltage}, {16, NextFail}},
         {{0, Kind::ReturnLoss, Side::Tester, 0}, {9, Kind::Next, Side::Remote, 3}}},
    };
}

}  // namespace

Unit demoUnit()
{
    Unit unit;
    unit.productCode = 45113;
    unit.identity = {"OLBRIN", "TORVIK", "T0412345", "D.05"};
    unit.userName = "J SMITH";
    unit.company = "NORDKABEL";
    unit.uncerts = {40, 25, 10, 2, 5, 20};
    const DemoUncertainties u{4.0, 25.0, 10.0, 0.2, 5.0, 0.2};

    unit.messages = {
        {1, "Cat 5e U/UTP 100 Ohm"}, {2, "Cat 6 U/UTP 100 Ohm"}, {3, "Cat 6A S/FTP 100 Ohm"},
        {4, "Cat 7 S/FTP 100 Ohm"},  {5, "OM3 50/125"},          {6, "OS2 9/125"},
        {20, "T568A"},               {21, "T568B"},              {22, "Fibre duplex"},
    };
    unit.plugNames = {{1, "Outlet"}, {2, "Salle de r\x82union"}};
    unit.conventions = {copperConvention(kFirstConventionMessage, {1, 2, 3, 4, 5, 6, 7, 8}),
                        copperConvention(kFirstConventionMessage + 1, {1, 2, 3, 4, 5, 6, 7, 8}),
                        fibreConvention(kFirstConventionMessage + 2)};
    unit.cables = cables();

    const std::vector<DemoStandard> standards = demoStandards(kFirstStandardMessage);
    for (const DemoStandard &s : standards) {
        unit.standards.push_back(s.standard);
        unit.messages[s.standard.nameMessage] = s.name;
    }

    const auto plans = copperPlans();
    const auto copper = [&](std::size_t i) {
        const auto &plan = plans[i];
        return copperSite(plan, standards[plan.standard], u, unit.conventions[plan.convention].testerPairs, kSeed + i);
    };
    unit.sites = {copper(0), copper(1), std::nullopt, copper(2), copper(3),
                  patchCordSite(unit.standards[demo::kBasicLink], 100, u, kMorning + 485 * kMinutes),
                  fibreSite(unit.standards[demo::kOpticalLink], u, kMorning + 515 * kMinutes),
                  std::nullopt};
    return unit;
}

}  // namespace torvik::sim
