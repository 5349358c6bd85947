#include "demo_sites.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "demo_random.h"
#include "link_model.h"
#include "tester_verdicts.h"

namespace torvik::sim {

namespace {

std::string numbered(const char *format, int number)
{
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// Copper by gauge: 24 AWG for Cat 5e and Class D, 23 AWG for the others.
CableModel cableFor(const CopperSitePlan &plan)
{
    const bool thin = plan.standard == demo::kCat5ePermanentLink || plan.standard == demo::kClassDPermanentLink;
    return thin ? CableModel{0.97, 0.188, 0.18} : CableModel{0.96, 0.124, 0.12};
}

LinkPlan linkPlan(Trouble trouble, double lengthM, bool storeCurves)
{
    LinkPlan plan;
    plan.lengthM = lengthM;
    plan.storeCurves = storeCurves;
    switch (trouble) {
    case Trouble::NearPass:
        plan.targets.push_back({Kind::Next, Side::Tester, 2, 0.35});
        break;
    case Trouble::NearFail:
        plan.targets.push_back({Kind::Next, Side::Remote, 4, -0.3});
        break;
    case Trouble::NextFail:
        plan.targets.push_back({Kind::Next, Side::Tester, 3, -3.5});
        break;
    case Trouble::ReturnLossFail:
        plan.targets.push_back({Kind::ReturnLoss, Side::Remote, 1, -4.5});
        break;
    case Trouble::TooLong:
        plan.lengthM = 97.0;
        break;
    case Trouble::SlightlyLong:
        plan.lengthM = 91.5;
        break;
    case Trouble::SplitPair:
        plan.splitPair = true;
        plan.targets.push_back({Kind::Next, Side::Tester, 0, -7.0});
        plan.targets.push_back({Kind::Next, Side::Remote, 0, -6.5});
        break;
    case Trouble::ShortExempt:
        plan.lengthM = 2.5;
        plan.targets.push_back({Kind::ReturnLoss, Side::Tester, 2, -1.5});
        plan.exempt.returnLossTester = true;
        plan.exempt.returnLossRemote = true;
        break;
    default:
        break;
    }
    return plan;
}

// Power over the cable on pairs 1 and 2.
Plug voltageStop()
{
    Plug plug;
    plug.result = 0;
    plug.voltage.pairs[0] = {481, 3, 0x12};
    plug.voltage.pairs[1] = {479, 2, 0x36};
    return plug;
}

// Wire 7 open at the far end.
Plug openWire()
{
    Plug plug;
    plug.result = 1;
    plug.wiring.farEnd = {1, 2, 3, 4, 5, 6, 0, 8};
    plug.wiring.fault = {0, 0, 0, 0, 0, 0, 1, 0};
    plug.wiring.faultCount = 1;
    plug.wiring.shield = 1;
    return plug;
}

Trouble troubleOf(const CopperSitePlan &plan, int plug)
{
    for (const PlugTrouble &t : plan.troubles) {
        if (t.plug == plug)
            return t.trouble;
    }
    return Trouble::None;
}

// Pair names as the summary lists them: "12/36" for a combination.
std::string pairText(Kind kind, uint8_t code, const std::array<std::string, 4> &names)
{
    static constexpr std::array<std::array<int, 2>, 6> combination{{{0, 1}, {2, 0}, {0, 3}, {1, 2}, {1, 3}, {3, 2}}};
    std::string text = names[code & 3];
    if (kind == Kind::Next || kind == Kind::Elfext || kind == Kind::Acr)
        text = names[combination[code % 6][0]] + "/" + names[combination[code % 6][1]];
    return text;
}

}  // namespace

Site copperSite(const CopperSitePlan &plan, const DemoStandard &standard, const DemoUncertainties &u,
                const std::array<std::string, 4> &pairNames, uint64_t seed)
{
    Site site;
    site.name = plan.name;
    site.dateTime = plan.start;
    site.standard = plan.standard;
    site.convention = plan.convention;
    site.cable = plan.cable;
    site.wiringText = "PANEL " + std::string(plan.idPrefix, 1);
    site.nvp = plan.nvp;
    site.configWord1 = 1;
    site.plugName = 1;
    const LinkModel model(standard.standard, *standard.formulas, cableFor(plan), plan.nvp,
                          {u.lengthM, u.delayNs, u.skewNs, u.loopOhm}, seed);
    DemoRandom random(seed ^ 0x5A5A);
    uint32_t clock = plan.start;
    std::vector<LinkPlan> links;
    for (int i = 0; i < plan.plugs; ++i) {
        const Trouble trouble = troubleOf(plan, i);
        const LinkPlan link = linkPlan(trouble, random.uniform(plan.shortestM, plan.longestM), plan.storeCurves);
        Plug plug = trouble == Trouble::Voltage ? voltageStop()
                    : trouble == Trouble::WireMap ? openWire()
                                                  : model.measure(link, random);
        plug.id = plan.idPrefix + numbered("-%02d", i + 1);
        plug.text = numbered("RM %d", plan.firstRoom + i / 2);
        clock += static_cast<uint32_t>(random.integer(70, 260));
        plug.dateTime = clock;
        site.plugs.push_back(std::move(plug));
        links.push_back(link);
    }
    for (const GraphPlan &g : plan.graphs) {
        const auto index = static_cast<std::size_t>(g.plug);
        Graph graph = model.graph(links[index], g.kind, g.side, g.code, seed + index);
        graph.id = site.plugs[index].id;
        graph.text = site.plugs[index].text;
        graph.pairText = pairText(g.kind, g.code, pairNames);
        clock += static_cast<uint32_t>(random.integer(60, 180));
        graph.dateTime = clock;
        site.graphs.push_back(std::move(graph));
    }
    return site;
}

// Patch cords of 1 to 5 m, and the lab's long reference reels.
Site patchCordSite(const Standard &standard, uint8_t impedance, const DemoUncertainties &u, uint32_t start)
{
    Site site;
    site.name = "PATCH CORDS";
    site.dateTime = start;
    site.standard = demo::kBasicLink;
    site.convention = 1;
    site.cable = 1;
    site.wiringText = "LAB BENCH";
    site.nvp = 690;
    const double metresPerNs = 69.0 * 0.3 / 100.0;
    struct Cord {
        double lengthM;
        uint8_t impedance;
    };
    const Cord cords[] = {{1.0, 101}, {2.0, 99},  {2.0, 103}, {3.0, 98},  {5.0, 100}, {5.0, 114},
                          {1.0, 121}, {99.0, 102}, {104.0, 101}, {3.0, 97}, {2.0, 100}, {1.0, 96}};
    uint32_t clock = start;
    int number = 1;
    for (const Cord &cord : cords) {
        Plug plug;
        plug.id = numbered("CORD-%02d", number++);
        plug.valueMode.delay = static_cast<uint16_t>(std::lround(cord.lengthM / metresPerNs + 1.0));
        plug.valueMode.loopResistance = static_cast<uint16_t>(std::lround(cord.lengthM * 1.9 + 2.0));
        plug.valueMode.impedance = cord.impedance;
        const double length = plug.valueMode.delay * metresPerNs;
        const double loop = plug.valueMode.loopResistance / 10.0;
        Tally tally;
        tally.add(judgePairs({length, length, length, length}, standard.maxLength, u.lengthM));
        tally.add(judgePairs({loop, loop, loop, loop}, standard.maxLoopResistance, u.loopOhm));
        tally.add(judge(std::abs(impedance - cord.impedance), standard.zcTolerance, u.impedanceOhm, true));
        plug.result = tally.resultType();
        clock += 95;
        plug.dateTime = clock;
        site.plugs.push_back(std::move(plug));
    }
    return site;
}

// Multimode fibres of the riser at 850 and 1300 nm.
Site fibreSite(const Standard &standard, const DemoUncertainties &u, uint32_t start)
{
    Site site;
    site.name = "RISER FIBRE";
    site.dateTime = start;
    site.standard = demo::kOpticalLink;
    site.convention = 2;
    site.cable = 4;
    site.wiringText = "ODF 1";
    site.nvp = 680;
    site.patternText = "F1F2F3F4F5F6F7F8";
    const int16_t losses[][2] = {{118, 96}, {131, 102}, {124, 99},  {285, 141}, {109, 88},  {250, 130},
                                 {127, 101}, {119, 0},  {135, 108}, {142, 198}, {121, 97}, {116, 92}};
    const auto &table = standard.optical[0];
    uint32_t clock = start;
    int number = 1;
    for (const auto &loss : losses) {
        Plug plug;
        plug.id = numbered("FO-%02d", number++);
        plug.text = "BLDG A";
        Tally tally;
        for (std::size_t i = 0; i < 2; ++i) {
            plug.optical[i] = {loss[i] != 0, loss[i]};
            if (loss[i] != 0)
                tally.add(judge(loss[i] / 100.0, table[i].limit / 100.0, u.opticalDb, true));
        }
        plug.result = tally.resultType();
        clock += 140;
        plug.dateTime = clock;
        site.plugs.push_back(std::move(plug));
    }
    return site;
}

}  // namespace torvik::sim
