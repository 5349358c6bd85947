// A plug's curves during a site download: decoding the tester's curve
// sections (a start value and small steps on every second sweep point),
// finishing each onto the full sweep grid, then the curves the tester does
// not send (reverse ELFEXT, ACR, power sums) and a limit curve per slot.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "conv_cab.h"
#include "grph_mes.h"
#include "norm.h"
#include "prise.h"
#include "torvlink.h"

namespace quillet::model {

// The frequencies of a standard's sweep points.
class SweepGrid {
public:
    explicit SweepGrid(const CNorm &standard);
    int size() const { return static_cast<int>(kHz_.size()); }
    std::int32_t kHz(int index) const;  // 0 beyond the sweep
    float mhz(int index) const { return static_cast<float>(kHz(index) / 1000.0); }
    // The frequency of any sweep index, as the tester's worst cases give it.
    std::int32_t kHzOfIndex(int index) const;

private:
    ::SweepSegment segments_[4] = {};
    std::vector<std::int32_t> kHz_;
};

// What the curves of one site's plugs are built against.
struct CurveContext {
    std::string siteName;
    const CNorm &standard;
    const CConvCab &convention;
    SweepGrid grid;

    CurveContext(std::string name, const CNorm &norm, const CConvCab &conv)
        : siteName(std::move(name)), standard(norm), convention(conv), grid(norm) {}
};

// Title of a plug curve: the site name, ": ", ":", the pair name and "R"
// for the remote side.
std::string plugCurveTitle(const CurveContext &context, int kind, Side side, int pairCode);

class CurveDecoder {
public:
    // firstCount and stepCount: the step bytes of a header section and of
    // each continuation section.
    CurveDecoder(const CurveContext &context, int firstCount, int stepCount);

    void start(const SectionRecord &header);        // a type-3 section
    void proceed(const SectionRecord &continuation);  // a type-2 section
    // Puts the curve being decoded onto the grid and attaches it to the
    // plug; true when a curve was attached. A failed curve is dropped.
    bool finish(CPrise &plug);
    void discard();

private:
    void append(double value);
    void takeSteps(const std::uint8_t *steps, int count);

    const CurveContext &context_;
    int firstCount_;
    int stepCount_;
    std::optional<CGrphMes> curve_;
    std::vector<double> received_;
    int remaining_ = 0;
    double running_ = 0;
    bool failed_ = false;
};

// Once a plug's last curve is finished: reverse ELFEXT, ACR, power-sum
// NEXT, ELFEXT and ACR, tester side before remote side.
void addDerivedCurves(CPrise &plug, const CurveContext &context);
// The standard's limit curve of a kind at the given frequencies (MHz), up
// to the standard's highest frequency, where the limit is defined; none
// when the standard sets no limit for the kind.
std::optional<CGrphMes> limitCurveAt(const CNorm &standard, int kind, std::span<const float> frequencies);
// A limit curve of the standard at the front of every slot holding curves.
void addLimitCurves(CPrise &plug, const CurveContext &context);

}  // namespace quillet::model
