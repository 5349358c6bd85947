// The published limit formulas of the copper link classes, as functions of
// the frequency in MHz, and the tester's measurement uncertainty per kind.
#pragma once

#include <array>
#include <vector>

#include "standard.h"

namespace torvik::sim {

// Insertion loss: share * (k1 sqrt f + k2 f + k3 / sqrt f)
// + connections * connector sqrt f, and never below `floor`.
struct InsertionLossFormula {
    double share;
    double k1, k2, k3;
    double connections;
    double connector;
    double floor;
};

// Crosstalk of the cable and the connections in series:
// -20 lg(10^(-(cable - slope lg f)/20) + connections 10^(-(connector - 20 lg f)/20)),
// never above `ceiling`.
struct CrosstalkFormula {
    double cable;
    double slope;
    double connector;
    double connections;
    double ceiling;
};

// Return loss in pieces a - b lg f, each up to its frequency.
struct ReturnLossPiece {
    double upToMHz;
    double a;
    double b;
};

struct LinkClassFormulas {
    InsertionLossFormula insertionLoss;
    CrosstalkFormula next;
    CrosstalkFormula psNext;
    CrosstalkFormula elfext;
    CrosstalkFormula psElfext;
    std::vector<ReturnLossPiece> returnLoss;
};

// The limit of a kind at f MHz; ACR is NEXT less insertion loss and
// power-sum ACR power-sum NEXT less insertion loss.
double limitDb(const LinkClassFormulas &formulas, Kind kind, double mhz);

// The tester's measurement uncertainty for a kind at f MHz, dB.
double uncertaintyDb(Kind kind, double mhz);

// Copper link classes of the demo unit's standards.
const LinkClassFormulas &cat5ePermanentLink();
const LinkClassFormulas &cat6PermanentLink();
const LinkClassFormulas &classDPermanentLink();
const LinkClassFormulas &classEPermanentLink();
const LinkClassFormulas &classEChannel();

}  // namespace torvik::sim
