#include "link_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "limit_curve.h"
#include "tester_verdicts.h"

namespace torvik::sim {

namespace {

constexpr std::size_t kShapes = 16;
constexpr double kLightMPerNs = 0.299792458;

// Pairs (0 to 3) of each pair combination code.
constexpr std::array<std::array<std::size_t, 2>, 12> kCombination{{
    {0, 1}, {2, 0}, {0, 3}, {1, 2}, {1, 3}, {3, 2}, {1, 0}, {0, 2}, {3, 0}, {2, 1}, {3, 1}, {2, 3}}};
// The three combinations holding each pair, for the power sums.
constexpr std::array<std::array<std::size_t, 3>, 4> kPairCombinations{{{0, 1, 2}, {0, 3, 4}, {1, 3, 5}, {2, 4, 5}}};

// Rounded to the nearest 1/8 dB, inside the range a worst case can carry.
int16_t eighths(double dB)
{
    const double scaled = std::clamp(dB * 8.0, -160.0, 863.0);
    return static_cast<int16_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

double dB(int16_t eighths)
{
    return eighths / 8.0;
}

// The ripple a real link shows around its trend: slow waves over the
// logarithm of the frequency and faster standing waves, scaled to [-1, 1].
std::vector<double> rippleShape(const std::vector<double> &mhz, DemoRandom &random)
{
    const double slow = random.uniform(1.0, 4.0);
    const double fast = random.uniform(15.0, 60.0);
    const double phase1 = random.uniform(0, 2 * std::numbers::pi);
    const double phase2 = random.uniform(0, 2 * std::numbers::pi);
    const double mix = random.uniform(0.3, 0.8);
    std::vector<double> shape;
    for (const double f : mhz) {
        shape.push_back(mix * std::sin(2 * std::numbers::pi * slow * std::log10(f) + phase1) +
                        (1 - mix) * std::sin(2 * std::numbers::pi * f / fast + phase2));
    }
    const auto [low, high] = std::minmax_element(shape.begin(), shape.end());
    const double scale = std::max(-*low, *high);
    for (double &v : shape)
        v /= scale;
    return shape;
}

// How one measured curve departs from its class limit: the margin is
// smallest at the top of the sweep and grows towards low frequencies.
struct CurveTrend {
    double margin = 0;  // dB, the smallest margin
    double growth = 0;  // dB per decade below the top
    double ripple = 0;  // dB, above the margin
    std::size_t shape = 0;
};

struct Measured {
    std::array<std::vector<int16_t>, 4> il;
    std::array<std::array<std::vector<int16_t>, 6>, 2> next;
    std::array<std::array<std::vector<int16_t>, 6>, 2> elfext;
    std::array<std::array<std::vector<int16_t>, 4>, 2> rl;
};

struct Derived {
    std::array<std::array<std::vector<int16_t>, 6>, 2> acr;
    std::array<std::array<std::vector<int16_t>, 4>, 2> psNext;
    std::array<std::array<std::vector<int16_t>, 4>, 2> psElfext;
    std::array<std::array<std::vector<int16_t>, 4>, 2> psAcr;
};

// A family of curves of one kind and side, and the code of each.
struct CurveSet {
    Kind kind;
    Side side;
    std::vector<const std::vector<int16_t> *> curves;
    std::vector<uint8_t> codes;
};

template <std::size_t N>
CurveSet curveSet(Kind kind, Side side, const std::array<std::vector<int16_t>, N> &curves)
{
    CurveSet set{kind, side, {}, {}};
    for (std::size_t i = 0; i < N; ++i) {
        set.curves.push_back(&curves[i]);
        set.codes.push_back(static_cast<uint8_t>(i));
    }
    return set;
}

}  // namespace

struct LinkModel::Impl {
    const Standard &standard;
    const LinkClassFormulas &formulas;
    CableModel cable;
    uint16_t nvp;
    DcUncertainties uncertainties;
    // The whole sweep, and per kind the class formula and the tester's own
    // limit and uncertainty (1/8 dB) at every point.
    std::vector<double> mhz;
    std::vector<double> decadesBelowTop;
    std::array<std::vector<double>, kKindCount> formula;
    std::array<std::vector<int32_t>, kKindCount> limit;
    std::array<std::vector<int32_t>, kKindCount> uncertainty;
    std::array<std::vector<double>, kShapes> shapes;

    Impl(const Standard &s, const LinkClassFormulas &f, const CableModel &c, uint16_t v,
         const DcUncertainties &u, uint64_t seed);

    double insertionLoss(double lengthM, double spread, std::size_t i) const;
    CurveTrend drawTrend(Kind kind, DemoRandom &random) const;
    std::vector<int16_t> trace(Kind kind, const CurveTrend &trend, std::size_t stride) const;
    std::vector<int16_t> lossTrace(double lengthM, double spread, std::size_t stride) const;
    Measured measureCurves(const LinkPlan &plan, DemoRandom &random) const;
    CurveTrend plannedTrend(const LinkPlan &plan, Kind kind, Side side, std::size_t code,
                            DemoRandom &random) const;
    Derived derive(const Measured &m) const;
    WorstPair worstCase(const CurveSet &set, Verdict &verdict) const;
    void judgeCopper(const LinkPlan &plan, const Measured &m, const Derived &d, Plug &plug,
                     Tally &tally) const;
    void measureDc(const LinkPlan &plan, DemoRandom &random, Plug &plug, Tally &tally) const;
    uint8_t curveVerdict(Kind kind, const std::vector<int16_t> &values, std::size_t stride) const;
    std::vector<PlugCurve> curves(const Measured &m) const;
};

LinkModel::Impl::Impl(const Standard &s, const LinkClassFormulas &f, const CableModel &c, uint16_t v,
                      const DcUncertainties &u, uint64_t seed)
    : standard(s), formulas(f), cable(c), nvp(v), uncertainties(u)
{
    const int32_t points = standard.sweepPoints();
    for (int32_t i = 0; i < points; ++i) {
        const uint16_t units = standard.sweepFrequency(i);
        mhz.push_back(units / 60.0);
        decadesBelowTop.push_back(std::log10(standard.topFrequency / double(units)));
        for (std::size_t k = 0; k < kKindCount; ++k) {
            formula[k].push_back(limitDb(formulas, static_cast<Kind>(k), mhz.back()));
            const LimitAt at = limitAt(standard.limits[k], units);
            limit[k].push_back(at.value);
            uncertainty[k].push_back(at.uncertainty);
        }
    }
    DemoRandom random(seed);
    for (auto &shape : shapes)
        shape = rippleShape(mhz, random);
}

// The cable's loss over its length plus its connections, which do better
// than the class allows them.
double LinkModel::Impl::insertionLoss(double lengthM, double spread, std::size_t i) const
{
    const InsertionLossFormula &il = formulas.insertionLoss;
    const double f = mhz[i];
    const double root = std::sqrt(f);
    const double perHundred = cable.lossShare * (il.k1 * root + il.k2 * f + il.k3 / root);
    return lengthM / 100.0 * perHundred * (1.0 + spread) + il.connections * il.connector * root * 0.6;
}

// Margins of a good installation: several dB on crosstalk, less on return
// loss, whose ripple is the widest.
CurveTrend LinkModel::Impl::drawTrend(Kind kind, DemoRandom &random) const
{
    const auto shape = static_cast<std::size_t>(random.integer(0, kShapes - 1));
    switch (kind) {
    case Kind::Next:
        return {random.uniform(4.0, 9.0), random.uniform(0.0, 2.5), random.uniform(0.4, 1.2), shape};
    case Kind::Elfext:
        return {random.uniform(7.0, 14.0), random.uniform(0.0, 3.0), random.uniform(0.3, 1.0), shape};
    default:  // return loss
        return {random.uniform(3.5, 8.0), random.uniform(0.0, 2.0), random.uniform(1.0, 2.5), shape};
    }
}

// Every `stride`-th point of the sweep (2 for autotest curves, 1 for graphs).
std::vector<int16_t> LinkModel::Impl::trace(Kind kind, const CurveTrend &trend, std::size_t stride) const
{
    const auto k = static_cast<std::size_t>(kind);
    const std::vector<double> &shape = shapes[trend.shape];
    std::vector<int16_t> values;
    for (std::size_t i = 0; i < mhz.size(); i += stride) {
        const double margin = trend.margin + trend.growth * decadesBelowTop[i] + trend.ripple * (1.0 + shape[i]);
        values.push_back(eighths(formula[k][i] + margin));
    }
    return values;
}

std::vector<int16_t> LinkModel::Impl::lossTrace(double lengthM, double spread, std::size_t stride) const
{
    std::vector<int16_t> values;
    for (std::size_t i = 0; i < mhz.size(); i += stride)
        values.push_back(eighths(insertionLoss(lengthM, spread, i)));
    return values;
}

// A planned target pins the curve's worst margin; the others are drawn.
CurveTrend LinkModel::Impl::plannedTrend(const LinkPlan &plan, Kind kind, Side side, std::size_t code,
                                         DemoRandom &random) const
{
    CurveTrend trend = drawTrend(kind, random);
    for (const MarginTarget &target : plan.targets) {
        if (target.kind == kind && target.side == side && target.code == code)
            trend = {target.marginDb, 0.0, 0.15, trend.shape};
    }
    return trend;
}

Measured LinkModel::Impl::measureCurves(const LinkPlan &plan, DemoRandom &random) const
{
    Measured m;
    for (std::size_t p = 0; p < 4; ++p)
        m.il[p] = lossTrace(plan.lengthM, random.uniform(-0.02, 0.02), 2);
    for (std::size_t s = 0; s < 2; ++s) {
        const auto side = static_cast<Side>(s);
        for (std::size_t c = 0; c < 6; ++c) {
            m.next[s][c] = trace(Kind::Next, plannedTrend(plan, Kind::Next, side, c, random), 2);
            m.elfext[s][c] = trace(Kind::Elfext, plannedTrend(plan, Kind::Elfext, side, c, random), 2);
        }
        for (std::size_t p = 0; p < 4; ++p)
            m.rl[s][p] = trace(Kind::ReturnLoss, plannedTrend(plan, Kind::ReturnLoss, side, p, random), 2);
    }
    return m;
}

// ACR and the power sums, as the tester works them out from its curves.
Derived LinkModel::Impl::derive(const Measured &m) const
{
    Derived d;
    const std::size_t n = m.il[0].size();
    for (std::size_t s = 0; s < 2; ++s) {
        const auto &next = m.next[s];
        const auto &elfext = m.elfext[s];
        const auto &other = m.elfext[1 - s];
        for (auto &curve : d.acr[s])
            curve.resize(n);
        for (std::size_t p = 0; p < 4; ++p) {
            d.psNext[s][p].resize(n);
            d.psElfext[s][p].resize(n);
            d.psAcr[s][p].resize(n);
        }
        for (std::size_t j = 0; j < n; ++j) {
            std::array<double, 4> a;
            for (std::size_t p = 0; p < 4; ++p)
                a[p] = dB(m.il[p][j]);
            const auto e = [&](std::size_t c) { return dB(elfext[c][j]); };
            // ELFEXT seen from this end, from the far end's measurement.
            const auto r = [&](std::size_t c) {
                const auto &pairs = kCombination[c - 6];
                return dB(other[c - 6][j]) - (a[pairs[0]] - a[pairs[1]]);
            };
            const std::array<double, 4> psElfext{powerSum(powerSum(r(6), e(1)), r(8)),
                                                 powerSum(powerSum(e(0), r(9)), r(10)),
                                                 powerSum(powerSum(r(7), e(3)), e(5)),
                                                 powerSum(powerSum(e(2), e(4)), r(11))};
            for (std::size_t c = 0; c < 6; ++c)
                d.acr[s][c][j] = eighths(dB(next[c][j]) - a[kCombination[c][0]]);
            for (std::size_t p = 0; p < 4; ++p) {
                const auto &c = kPairCombinations[p];
                const double ps = powerSum(powerSum(dB(next[c[0]][j]), dB(next[c[1]][j])), dB(next[c[2]][j]));
                d.psNext[s][p][j] = eighths(ps);
                d.psAcr[s][p][j] = eighths(ps - a[p]);
                d.psElfext[s][p][j] = eighths(psElfext[p]);
            }
        }
    }
    return d;
}

// Entry A: the worst value; entry B: the worst margin. Both are judged as
// the desktop program judges them.
WorstPair LinkModel::Impl::worstCase(const CurveSet &set, Verdict &verdict) const
{
    const auto k = static_cast<std::size_t>(set.kind);
    const bool atMost = set.kind == Kind::Attenuation;
    WorstPair worst;
    int32_t worstValue = 0;
    int32_t worstMargin = 0;
    bool first = true;
    for (std::size_t c = 0; c < set.curves.size(); ++c) {
        const auto &values = *set.curves[c];
        for (std::size_t j = 0; j < values.size(); ++j) {
            const int32_t v = values[j];
            const int32_t margin = atMost ? limit[k][2 * j] - v : v - limit[k][2 * j];
            const WorstCase entry{set.codes[c], values[j], static_cast<uint16_t>(2 * j)};
            if (first || (atMost ? v > worstValue : v < worstValue)) {
                worstValue = v;
                worst.absolute = entry;
            }
            if (first || margin < worstMargin) {
                worstMargin = margin;
                worst.margin = entry;
            }
            first = false;
        }
    }
    const auto judgeEntry = [&](const WorstCase &entry) {
        return judge(dB(entry.value), limit[k][entry.index] / 8.0, uncertainty[k][entry.index] / 8.0, atMost);
    };
    // Attenuation keeps entry A only, return loss entry B only.
    if (set.kind == Kind::ReturnLoss)
        worst.absolute = {};
    else
        addEntry(verdict, judgeEntry(worst.absolute));
    if (set.kind == Kind::Attenuation)
        worst.margin = {};
    else
        addEntry(verdict, judgeEntry(worst.margin));
    return worst;
}

namespace {

// Test-mask bit of each kind.
constexpr std::array<uint16_t, kKindCount> kTestBits{0x1000, 0x0400, 0x2000, 0x0040, 0x0100, 0x0800, 0x0200, 0x0080};

}  // namespace

void LinkModel::Impl::judgeCopper(const LinkPlan &plan, const Measured &m, const Derived &d, Plug &plug,
                                  Tally &tally) const
{
    std::vector<CurveSet> sets{curveSet(Kind::Attenuation, Side::Tester, m.il)};
    for (std::size_t s = 0; s < 2; ++s) {
        const auto side = static_cast<Side>(s);
        sets.push_back(curveSet(Kind::Next, side, m.next[s]));
        sets.push_back(curveSet(Kind::Elfext, side, m.elfext[s]));
        sets.push_back(curveSet(Kind::ReturnLoss, side, m.rl[s]));
        sets.push_back(curveSet(Kind::Acr, side, d.acr[s]));
        sets.push_back(curveSet(Kind::PsNext, side, d.psNext[s]));
        sets.push_back(curveSet(Kind::PsElfext, side, d.psElfext[s]));
        sets.push_back(curveSet(Kind::PsAcr, side, d.psAcr[s]));
    }
    std::array<Verdict, kKindCount> kinds{};
    for (const CurveSet &set : sets) {
        const auto k = static_cast<std::size_t>(set.kind);
        const auto s = static_cast<std::size_t>(set.side);
        Verdict verdict;
        plug.copper.worst[k][s] = worstCase(set, verdict);
        if (!plan.exempt.exempts(set.kind, s))
            addEntry(kinds[k], verdict);
    }
    for (std::size_t k = 0; k < kKindCount; ++k) {
        if (standard.testsMask & kTestBits[k])
            tally.add(kinds[k]);
    }
}

// Delays from the length and the cable's velocity, each pair twisted a
// little differently; loop resistance from the copper and the contacts.
void LinkModel::Impl::measureDc(const LinkPlan &plan, DemoRandom &random, Plug &plug, Tally &tally) const
{
    CopperResults &c = plug.copper;
    const double baseDelay = plan.lengthM / (nvp / 1000.0 * kLightMPerNs) + 1.5;
    const double spread = cable.skewNsPerM * plan.lengthM;
    const double contacts = random.uniform(0.25, 0.45);
    std::array<double, 4> delays{}, lengths{}, loops{};
    for (std::size_t p = 0; p < 4; ++p) {
        c.delay[p] = static_cast<uint16_t>(std::lround(baseDelay + spread * random.uniform(0.0, 1.0)));
        const double ohms = plan.lengthM * cable.loopOhmPerM * random.uniform(0.98, 1.02) + contacts;
        // The copper layout cannot carry bit 7 of the tenths (see
        // section_encoding.cpp): links are kept short enough.
        c.loopResistance[p] = static_cast<uint16_t>(std::min<long>(std::lround(ohms * 10.0), 127));
        delays[p] = c.delay[p];
        lengths[p] = c.delay[p] * (nvp / 10.0f * 0.3f / 100.0f);
        loops[p] = (c.loopResistance[p]) / 10.0;
    }
    if (standard.testsMask & 0x0008) {
        tally.add(judgePairs(lengths, standard.maxLength, uncertainties.lengthM));
        tally.add(judgePairs(delays, standard.maxDelay, uncertainties.delayNs));
        const auto [low, high] = std::minmax_element(delays.begin(), delays.end());
        if (standard.maxSkew != 0)
            tally.add(judge(*high - *low, standard.maxSkew, uncertainties.skewNs, true));
    }
    if (standard.testsMask & 0x0004)
        tally.add(judgePairs(loops, standard.maxLoopResistance, uncertainties.loopOhm));
}

// A curve judged on its own worst margin; `stride` as for trace().
uint8_t LinkModel::Impl::curveVerdict(Kind kind, const std::vector<int16_t> &values, std::size_t stride) const
{
    const auto k = static_cast<std::size_t>(kind);
    const bool atMost = kind == Kind::Attenuation;
    Verdict verdict;
    double worst = 1e9;
    for (std::size_t j = 0; j < values.size(); ++j) {
        const std::size_t i = stride * j;
        const double margin = (atMost ? limit[k][i] - values[j] : values[j] - limit[k][i]) / 8.0;
        if (margin < worst) {
            worst = margin;
            verdict = judge(margin, 0.0, uncertainty[k][i] / 8.0, false);
        }
    }
    return verdictCode(verdict);
}

// Attenuation per pair, then NEXT, ELFEXT and return loss, tester side
// before remote side.
std::vector<PlugCurve> LinkModel::Impl::curves(const Measured &m) const
{
    std::vector<PlugCurve> out;
    const auto add = [&](Kind kind, std::size_t side, std::size_t code, const std::vector<int16_t> &values) {
        out.push_back({static_cast<uint8_t>(kind), static_cast<uint8_t>(side), static_cast<uint8_t>(code),
                       curveVerdict(kind, values, 2), values});
    };
    for (std::size_t p = 0; p < 4; ++p)
        add(Kind::Attenuation, 0, p, m.il[p]);
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t c = 0; c < 6; ++c)
            add(Kind::Next, s, c, m.next[s][c]);
    }
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t c = 0; c < 6; ++c)
            add(Kind::Elfext, s, c, m.elfext[s][c]);
    }
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t p = 0; p < 4; ++p)
            add(Kind::ReturnLoss, s, p, m.rl[s][p]);
    }
    return out;
}

LinkModel::LinkModel(const Standard &standard, const LinkClassFormulas &formulas, const CableModel &cable,
                     uint16_t nvp, const DcUncertainties &uncertainties, uint64_t seed)
    : impl_(std::make_unique<Impl>(standard, formulas, cable, nvp, uncertainties, seed))
{
}

LinkModel::~LinkModel() = default;

Plug LinkModel::measure(const LinkPlan &plan, DemoRandom &random) const
{
    Plug plug;
    plug.exempt = plan.exempt;
    Tally tally;
    impl_->measureDc(plan, random, plug, tally);
    const Measured m = impl_->measureCurves(plan, random);
    impl_->judgeCopper(plan, m, impl_->derive(m), plug, tally);
    if (plan.splitPair) {
        plug.copper.mappingFault = true;
        tally.add({false, false});
    }
    plug.result = tally.resultType();
    if (plan.storeCurves)
        plug.curves = impl_->curves(m);
    return plug;
}

Graph LinkModel::graph(const LinkPlan &plan, Kind kind, Side side, uint8_t code, uint64_t seed) const
{
    DemoRandom random(seed);
    Graph graph;
    graph.kind = static_cast<uint8_t>(kind);
    graph.side = static_cast<uint8_t>(side);
    graph.pair = code;
    if (kind == Kind::Attenuation)
        graph.values = impl_->lossTrace(plan.lengthM, random.uniform(-0.02, 0.02), 1);
    else
        graph.values = impl_->trace(kind, impl_->plannedTrend(plan, kind, side, code, random), 1);
    graph.verdict = impl_->curveVerdict(kind, graph.values, 1);
    return graph;
}

}  // namespace torvik::sim
