// Measurements of installed copper links for the demo unit: a cable model
// gives the insertion loss, crosstalk and return loss follow the class
// limits at a chosen margin with ripple, and the tester's verdicts, worst
// cases and curves are worked out from them as the tester does.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "demo_random.h"
#include "limit_formulas.h"
#include "site.h"
#include "standard.h"

namespace torvik::sim {

// The installed cable: loss per 100 m, loop resistance and pair skew.
struct CableModel {
    double lossShare = 1.0;      // of the class's cable loss formula
    double loopOhmPerM = 0.188;  // both wires of a pair
    double skewNsPerM = 0.15;    // spread of the pair delays
};

// One deliberately poor measurement: the worst margin of one curve.
struct MarginTarget {
    Kind kind;  // NEXT, ELFEXT or return loss
    Side side;
    uint8_t code;      // pair combination or pair
    double marginDb;   // worst margin over the sweep
};

struct LinkPlan {
    double lengthM = 40.0;
    std::vector<MarginTarget> targets;
    bool splitPair = false;  // the wire map shows "S"
    Exemptions exempt;
    bool storeCurves = true;
};

// The uncertainties of the DC tests (the unit's UNCERTS? values).
struct DcUncertainties {
    double lengthM = 4.0;
    double delayNs = 25.0;
    double skewNs = 10.0;
    double loopOhm = 0.2;
};

class LinkModel {
public:
    LinkModel(const Standard &standard, const LinkClassFormulas &formulas, const CableModel &cable,
              uint16_t nvp, const DcUncertainties &uncertainties, uint64_t seed);
    ~LinkModel();
    LinkModel(const LinkModel &) = delete;
    LinkModel &operator=(const LinkModel &) = delete;

    // A complete autotest of the link: results, result type and, when
    // planned, the curves.
    Plug measure(const LinkPlan &plan, DemoRandom &random) const;

    // The same link measured as a single graph: kind, side, code, verdict
    // and one value per sweep point.
    Graph graph(const LinkPlan &plan, Kind kind, Side side, uint8_t code, uint64_t seed) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace torvik::sim
