// The sites of the demo unit: a day of certification work on four copper
// installations, a set of patch cords in value mode and a fibre riser.
#pragma once

#include <cstdint>
#include <vector>

#include "demo_standards.h"
#include "site.h"

namespace torvik::sim {

// Something that went wrong (or nearly) on one plug of a site.
enum class Trouble {
    None,
    NearPass,        // NEXT passes within the uncertainty
    NearFail,        // NEXT fails within the uncertainty
    NextFail,        // a badly terminated pair combination
    ReturnLossFail,  // a kinked cable
    TooLong,         // beyond the length limit and its uncertainty
    SlightlyLong,    // beyond the length limit, within its uncertainty
    SplitPair,       // the wire map shows a split pair
    Voltage,         // power on the link: the autotest stopped
    WireMap,         // an open wire
    ShortExempt,     // a very short link whose return loss is exempted
};

struct PlugTrouble {
    int plug;
    Trouble trouble;
};

// Graphs measured on a plug of a site.
struct GraphPlan {
    int plug;
    Kind kind;
    Side side;
    uint8_t code;
};

struct CopperSitePlan {
    const char *name;
    uint8_t standard;
    uint8_t convention;
    uint8_t cable;
    uint16_t nvp;
    uint32_t start;
    int plugs;
    const char *idPrefix;
    int firstRoom;
    double shortestM;
    double longestM;
    bool storeCurves;
    std::vector<PlugTrouble> troubles;
    std::vector<GraphPlan> graphs;
};

// The uncertainties the unit reports, used for its own verdicts.
struct DemoUncertainties {
    double lengthM;
    double delayNs;
    double skewNs;
    double loopOhm;
    double impedanceOhm;
    double opticalDb;
};

Site copperSite(const CopperSitePlan &plan, const DemoStandard &standard, const DemoUncertainties &u,
                const std::array<std::string, 4> &pairNames, uint64_t seed);
Site patchCordSite(const Standard &standard, uint8_t impedance, const DemoUncertainties &u, uint32_t start);
Site fibreSite(const Standard &standard, const DemoUncertainties &u, uint32_t start);

}  // namespace torvik::sim
