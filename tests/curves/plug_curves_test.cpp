// Decoding a plug's curve sections onto the sweep grid, and the derived
// curves built from what the tester sent.
#include <gtest/gtest.h>

#include <cstring>

#include "plug_curves.h"

namespace {

using namespace quillet::model;

// A standard whose sweep has `points` points, index i at (i + 1) MHz.
CNorm standardOf(int points) {
    CNorm norm;
    norm.name = "TEST";
    norm.sweep = {{60, 60, static_cast<std::uint16_t>(points - 1)}};
    return norm;
}

// A plug whose worst-case entries name no pair (code 15), so they replace
// no curve point.
CPrise plugWithoutWorstCases() {
    CPrise plug;
    plug.block.fill(0xFF);
    return plug;
}

SectionRecord curveHeader(int kind, int side, int pair, std::int16_t firstEighths, std::vector<std::int8_t> steps) {
    SectionRecord r{};
    r.type = 3;
    r.body.raw[0] = static_cast<std::uint8_t>((kind << 5) | (side << 4) | pair);
    r.body.raw[1] = 3;
    std::memcpy(r.body.raw + 2, &firstEighths, sizeof firstEighths);
    for (std::size_t i = 0; i < steps.size(); ++i) r.body.raw[6 + i] = static_cast<std::uint8_t>(steps[i]);
    return r;
}

TEST(CurveDecoder, HalfGridValuesAreResampledAndAttached) {
    const CNorm norm = standardOf(5);
    CConvCab convention;
    const CurveContext context("ROOM1", norm, convention);
    CurveDecoder decoder(context, 399, 405);
    CPrise plug = plugWithoutWorstCases();
    decoder.start(curveHeader(kind::kNext, 0, 0, 8 * 40, {-8, -16}));  // 40, 39, 37 dB at 1, 3, 5 MHz
    ASSERT_TRUE(decoder.finish(plug));
    const auto *slot = plug.curvesOf(kind::kNext, Side::Tester);
    ASSERT_EQ(slot->size(), 1u);
    const CGrphMes &curve = slot->front();
    ASSERT_EQ(curve.values.GetSize(), 5);
    EXPECT_FLOAT_EQ(curve.values.GetAt(0), 40.0f);
    EXPECT_FLOAT_EQ(curve.values.GetAt(1), 39.5f);
    EXPECT_FLOAT_EQ(curve.values.GetAt(4), 37.0f);
    EXPECT_FLOAT_EQ(curve.frequencies.GetAt(4), 5.0f);
    EXPECT_EQ(curve.verdictCode, 3);
}

TEST(CurveDecoder, ContinuationsCarryTheRunningValue) {
    const CNorm norm = standardOf(7);
    CConvCab convention;
    const CurveContext context("ROOM1", norm, convention);
    CurveDecoder decoder(context, 1, 405);  // one step in the header, the rest in continuations
    CPrise plug = plugWithoutWorstCases();
    decoder.start(curveHeader(kind::kAttenuation, 0, 2, 8 * 2, {8}));
    SectionRecord more{};
    more.type = 2;
    more.body.raw[0] = 8;
    more.body.raw[1] = 16;
    decoder.proceed(more);
    ASSERT_TRUE(decoder.finish(plug));
    const CGrphMes &curve = plug.curvesOf(kind::kAttenuation, Side::Tester)->front();
    EXPECT_FLOAT_EQ(curve.values.GetAt(6), 6.0f);  // 2 + 1 + 1 + 2
}

TEST(CurveDecoder, ACurveBeyondTheSweepIsDropped) {
    CNorm norm = standardOf(5);
    norm.sweep = {{0, 60, 4}};  // sweep index 0 at 0 kHz
    CConvCab convention;
    const CurveContext context("ROOM1", norm, convention);
    CurveDecoder decoder(context, 399, 405);
    CPrise plug = plugWithoutWorstCases();
    decoder.start(curveHeader(kind::kNext, 0, 0, 8 * 40, {0, 0}));
    EXPECT_FALSE(decoder.finish(plug));
    EXPECT_FALSE(plug.hasAnyCurve());
}

TEST(DerivedCurves, RemoteElfextAloneBuildsNoReverseAndNoPowerSum) {
    const CNorm norm = standardOf(5);
    CConvCab convention;
    const CurveContext context("ROOM1", norm, convention);
    CurveDecoder decoder(context, 399, 405);
    CPrise plug = plugWithoutWorstCases();
    for (int code = 0; code < 6; ++code) {
        decoder.start(curveHeader(kind::kElfext, 1, code, 8 * 30, {0, 0}));
        ASSERT_TRUE(decoder.finish(plug));
    }
    addDerivedCurves(plug, context);
    EXPECT_EQ(plug.curvesOf(kind::kElfext, Side::Tester)->size(), 0u);
    EXPECT_EQ(plug.curvesOf(kind::kElfext, Side::Remote)->size(), 6u);
    EXPECT_EQ(plug.curvesOf(kind::kPsElfext, Side::Tester)->size(), 0u);
    EXPECT_EQ(plug.curvesOf(kind::kPsElfext, Side::Remote)->size(), 0u);
}

TEST(DerivedCurves, NextAtBothEndsGivesAcrAndPowerSums) {
    const CNorm norm = standardOf(5);
    CConvCab convention;
    const CurveContext context("ROOM1", norm, convention);
    CurveDecoder decoder(context, 399, 405);
    CPrise plug = plugWithoutWorstCases();
    for (int side = 0; side < 2; ++side) {
        for (int code = 0; code < 6; ++code) {
            decoder.start(curveHeader(kind::kNext, side, code, 8 * 40, {0, 0}));
            ASSERT_TRUE(decoder.finish(plug));
        }
    }
    decoder.start(curveHeader(kind::kAttenuation, 0, 0, 8 * 2, {0, 0}));
    ASSERT_TRUE(decoder.finish(plug));
    addDerivedCurves(plug, context);
    const auto *acr = plug.curvesOf(kind::kAcr, Side::Remote);
    ASSERT_EQ(acr->size(), 6u);
    EXPECT_FLOAT_EQ(acr->front().values.GetAt(0), 38.0f);  // code 0, first pair 0: 40 - 2
    const auto *psNext = plug.curvesOf(kind::kPsNext, Side::Tester);
    ASSERT_EQ(psNext->size(), 4u);
    EXPECT_NEAR(psNext->front().values.GetAt(2), 40.0 - 3.0 - 1.75, 1e-6);  // P(P(40, 40), 40) = P(37, 40)
}

}  // namespace
