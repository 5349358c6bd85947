#include "limit_formulas.h"

#include <algorithm>
#include <cmath>

namespace torvik::sim {

namespace {

double insertionLoss(const InsertionLossFormula &il, double f)
{
    const double root = std::sqrt(f);
    const double cable = il.k1 * root + il.k2 * f + il.k3 / root;
    return std::max(il.floor, il.share * cable + il.connections * il.connector * root);
}

double crosstalk(const CrosstalkFormula &x, double f)
{
    const double lg = std::log10(f);
    const double cable = std::pow(10.0, -(x.cable - x.slope * lg) / 20.0);
    const double connector = x.connections * std::pow(10.0, -(x.connector - 20.0 * lg) / 20.0);
    return std::min(x.ceiling, -20.0 * std::log10(cable + connector));
}

double returnLoss(const std::vector<ReturnLossPiece> &pieces, double f)
{
    for (const ReturnLossPiece &piece : pieces) {
        if (f <= piece.upToMHz)
            return piece.a - piece.b * std::log10(f);
    }
    const ReturnLossPiece &last = pieces.back();
    return last.a - last.b * std::log10(f);
}

}  // namespace

double limitDb(const LinkClassFormulas &formulas, Kind kind, double mhz)
{
    switch (kind) {
    case Kind::Next:
        return crosstalk(formulas.next, mhz);
    case Kind::Elfext:
        return crosstalk(formulas.elfext, mhz);
    case Kind::Attenuation:
        return insertionLoss(formulas.insertionLoss, mhz);
    case Kind::ReturnLoss:
        return returnLoss(formulas.returnLoss, mhz);
    case Kind::Acr:
        return crosstalk(formulas.next, mhz) - insertionLoss(formulas.insertionLoss, mhz);
    case Kind::PsNext:
        return crosstalk(formulas.psNext, mhz);
    case Kind::PsElfext:
        return crosstalk(formulas.psElfext, mhz);
    case Kind::PsAcr:
        return crosstalk(formulas.psNext, mhz) - insertionLoss(formulas.insertionLoss, mhz);
    }
    return 0.0;
}

// A level III field tester: a floor plus a share growing with frequency;
// return loss and the differences of two measurements carry more.
double uncertaintyDb(Kind kind, double mhz)
{
    switch (kind) {
    case Kind::Attenuation:
        return 0.15 + 0.0016 * mhz;
    case Kind::Next:
        return 0.5 + 0.004 * mhz;
    case Kind::PsNext:
        return 0.6 + 0.004 * mhz;
    case Kind::Elfext:
        return 0.6 + 0.005 * mhz;
    case Kind::PsElfext:
        return 0.7 + 0.005 * mhz;
    case Kind::ReturnLoss:
        return 1.0 + 0.006 * mhz;
    case Kind::Acr:
        return 0.65 + 0.0056 * mhz;
    case Kind::PsAcr:
        return 0.75 + 0.0056 * mhz;
    }
    return 1.0;
}

const LinkClassFormulas &cat5ePermanentLink()
{
    static const LinkClassFormulas formulas{
        {0.9, 1.967, 0.023, 0.050, 3, 0.04, 0.0},
        {65.3, 15, 83.0, 1, 65},
        {62.3, 15, 80.0, 1, 62},
        {63.8, 20, 75.1, 3, 60},
        {60.8, 20, 72.1, 3, 57},
        {{20, 19.0, 0}, {100, 32.01, 10}},
    };
    return formulas;
}

const LinkClassFormulas &cat6PermanentLink()
{
    static const LinkClassFormulas formulas{
        {0.9, 1.808, 0.017, 0.200, 3, 0.02, 0.0},
        {74.3, 15, 94.0, 1, 65},
        {72.3, 15, 90.0, 1, 62},
        {67.8, 20, 83.1, 3, 65},
        {64.8, 20, 80.1, 3, 62},
        {{10, 21.0, 0}, {40, 26.0, 5}, {250, 34.0, 10}},
    };
    return formulas;
}

const LinkClassFormulas &classDPermanentLink()
{
    static const LinkClassFormulas formulas{
        {0.9, 1.9108, 0.0222, 0.2, 3, 0.04, 4.0},
        {65.3, 15, 83.0, 1, 65},
        {62.3, 15, 80.0, 1, 62},
        {63.8, 20, 75.1, 3, 60},
        {60.8, 20, 72.1, 3, 57},
        {{10, 19.0, 0}, {40, 24.0, 5}, {100, 32.0, 10}},
    };
    return formulas;
}

const LinkClassFormulas &classEPermanentLink()
{
    static const LinkClassFormulas formulas{
        {0.9, 1.82, 0.0169, 0.25, 3, 0.02, 3.0},
        {74.3, 15, 94.0, 1, 65},
        {72.3, 15, 90.0, 1, 62},
        {67.8, 20, 83.1, 3, 65},
        {64.8, 20, 80.1, 3, 62},
        {{10, 21.0, 0}, {40, 26.0, 5}, {250, 34.0, 10}},
    };
    return formulas;
}

const LinkClassFormulas &classEChannel()
{
    static const LinkClassFormulas formulas{
        {1.05, 1.82, 0.0169, 0.25, 4, 0.02, 3.0},
        {74.3, 15, 94.0, 2, 65},
        {72.3, 15, 90.0, 2, 62},
        {67.8, 20, 83.1, 4, 65},
        {64.8, 20, 80.1, 4, 62},
        {{10, 19.0, 0}, {40, 24.0, 5}, {250, 32.0, 10}},
    };
    return formulas;
}

}  // namespace torvik::sim
