// The plot without a display: scales, graduations, statistics, markers,
// zoom, slots, templates, colours, layout and legend.
#include <gtest/gtest.h>

#include <cmath>

#include "curve_colours.h"
#include "dash_walker.h"
#include "edit_rules.h"
#include "legend_lines.h"
#include "plot_layout.h"
#include "plot_model.h"
#include "plot_scales.h"
#include "test_plot_document.h"

namespace quillet::plot {
namespace {

using test::TestPlotDocument;

struct GraduationCase {
    Range range;
    double step;
    std::vector<double> ticks;
};

TEST(Graduations, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
    const GraduationCase cases[] = {
        {{0, 100}, 10, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {{0, 3}, 0.2, {}},
        {{-50, -10}, 5, {-50, -45, -40, -35, -30, -25, -20, -15, -10}},
        {{-3, 7}, 1, {0, 1, 2, 3, 4, 5, 6, 7, -3, -2, -1}},
        {{0, 1e-6}, 1e-7, {}},
        {{0, 1e9}, 1e8, {}},
        {{5, 5}, 1, {5}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.range.minimum);
        EXPECT_NEAR(graduationStep(c.range, 10), c.step, c.step * 1e-12);
        const auto ticks = graduations(c.range, 10);
        if (!c.ticks.empty()) {
            ASSERT_EQ(ticks.size(), c.ticks.size());
            for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9);
        }
    }
    EXPECT_EQ(graduations({0, 3}, 10).size(), 16u);  // 0, 0.2 .. 3.0
    EXPECT_TRUE(graduations({0, 1}, 0).empty());
    EXPECT_EQ(dateGraduations({0, 400}), (std::vector<double>{0, 100, 200, 300, 400}));
}

class PlotModelTest : public ::testing::Test {
protected:
    TestPlotDocument doc;
    PlotModel model{doc};
    PlotState &state = model.state();

    void show(std::vector<ChannelChoice> choices) {
        model.takeTitleFromDocument();
        model.assignChannels(choices);
    }
};

TEST_F(PlotModelTest, AutomaticScalesOfTheRangesThatMatter) {
    doc.add("five", 10, 0, 9, [](double) { return 5.0; });
    doc.add("zero", 10, 0, 9, [](double) { return 0.0; });
    auto &failing = doc.add("failing", 3, 0, 2, [](double) { return 7.0; });
    failing.failing = {0, 1, 2};
    doc.add("negative", 11, 1000, 2000, [](double x) { return -x; });
    struct Case {
        int channel;
        Range y, x;
        double origin;
    } cases[] = {
        {0, {4.5, 5.5}, {0, 9}, 0},
        {1, {-0.1, 0.1}, {0, 9}, 0},
        {2, {-1, 1}, {0, 2}, 0},
        {3, {-2000, -1000}, {0, 1000}, 1000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.channel);
        show({{c.channel, 1}});
        EXPECT_EQ(state.window.y1, c.y);
        EXPECT_EQ(state.window.x, c.x);
        EXPECT_EQ(state.origin, c.origin);
        EXPECT_EQ(state.global, state.window);
        EXPECT_FALSE(state.scale1Empty);
        EXPECT_TRUE(state.scale2Empty);
    }
}

TEST_F(PlotModelTest, NoValueGivesUnitRanges) {
    TestPlotDocument empty;
    PlotModel none(empty);
    none.assignChannels({});
    EXPECT_EQ(none.state().window, (PlotWindow{{0, 1}, {0, 1}, {0, 1}}));
    EXPECT_TRUE(none.availableChannels().empty());
}

TEST_F(PlotModelTest, TwoScalesShareThePlotUpperAndLower) {
    doc.add("a", 5, 0, 4, [](double x) { return x; });
    doc.add("b", 5, 0, 4, [](double x) { return 10 + x; });
    show({{0, 1}, {1, 2}});
    ASSERT_TRUE(state.twoScales);
    EXPECT_NEAR(state.window.y1.minimum, -4.4, 1e-12);  // 0 - 1.1 × 4
    EXPECT_NEAR(state.window.y2.maximum, 18.4, 1e-12);  // 14 + 1.1 × 4
    const PlotGeometry g = model.geometry();
    const double middle = (g.plot.bottom + g.plot.top) / 2;
    EXPECT_GT(g.toY(1, 0), middle);   // scale 1 in the upper part
    EXPECT_LT(g.toY(2, 14), middle);  // scale 2 in the lower part
    // A scale-2 channel alone goes to scale 1.
    show({{1, 2}});
    EXPECT_FALSE(state.twoScales);
    EXPECT_EQ(state.curves[0].scale, 1);
}

TEST_F(PlotModelTest, ThirtySlotsAtMost) {
    doc.add("a", 3, 0, 2, [](double x) { return x; });
    std::vector<ChannelChoice> many(31, ChannelChoice{0, 1});
    show(many);
    EXPECT_EQ(state.filledCount(), kSlotCount);
}

TEST_F(PlotModelTest, StatisticsOverAZoomedWindow) {
    doc.add("ramp", 101, 0, 100, [](double x) { return x; });
    show({{0, 1}});
    EXPECT_EQ(state.curves[0].minimum, 0);
    EXPECT_EQ(state.curves[0].maximum, 100);
    EXPECT_DOUBLE_EQ(state.curves[0].average, 50);
    PlotWindow window = model.scalesForDialog();
    window.x = {20, 30};
    model.applyScales(window);
    EXPECT_TRUE(state.zoomed);
    EXPECT_EQ(state.curves[0].first, 20);
    EXPECT_EQ(state.curves[0].last, 30);
    EXPECT_EQ(state.curves[0].minimum, 20);
    EXPECT_EQ(state.curves[0].maximum, 30);
    EXPECT_DOUBLE_EQ(state.curves[0].average, 25);
    EXPECT_NEAR(state.curves[0].deviation, std::sqrt(10.0), 1e-9);  // 0..10 spread
    EXPECT_TRUE(model.globalView());
    EXPECT_EQ(state.curves[0].last, 100);
    // Values that cannot be read stay out of the average.
    doc.channels[0].failing = {0, 1, 2, 3, 4};
    model.refreshChannels();
    EXPECT_DOUBLE_EQ(state.curves[0].average, 52.5);
    EXPECT_FALSE(model.globalView());  // not zoomed: nothing changes
}

TEST_F(PlotModelTest, BracketLookupOfTheDocument) {
    doc.add("ramp", 5, 10, 50, [](double x) { return x; });
    Bracket b;
    EXPECT_EQ(doc.GetDocBornesVoieAtDate(0, 25, b), 0);
    EXPECT_EQ(b.beforeIndex, 1);
    EXPECT_EQ(b.afterIndex, 2);
    EXPECT_EQ(doc.GetDocBornesVoieAtDate(0, 5, b), 0);  // below the first: both sample 0
    EXPECT_EQ(b.beforeIndex, 0);
    EXPECT_EQ(b.afterIndex, 0);
    EXPECT_EQ(doc.GetDocBornesVoieAtDate(0, 51, b), -1);
    PlotDocument base;
    std::vector<std::string> traced;
    setPlotTrace([&](const std::string &line) { traced.push_back(line); });
    EXPECT_EQ(base.GetDocBornesVoieAtDate(0, 1, b), -1);
    setPlotTrace(nullptr);
#ifndef NDEBUG
    EXPECT_EQ(traced, std::vector<std::string>{"GetDocBornesVoieAtDate() \xC3\xA0 surcharger"});
#endif
    EXPECT_EQ(base.GetDocNbVoies(), 0);
    EXPECT_EQ(base.abscissaName(), "Time");
}

TEST_F(PlotModelTest, FixedMarkersReadEveryVisibleCurve) {
    doc.add("a", 11, 0, 10, [](double x) { return x; });
    doc.add("b", 21, 0, 10, [](double x) { return 2 * x; });
    show({{0, 1}, {1, 1}});
    EXPECT_EQ(model.addFixedMarker(), FixedMarkerResult::NoXMarker);
    model.toggleXMarker();
    state.markerIndex = 4;  // abscissa 4 on curve a
    ASSERT_EQ(model.addFixedMarker(), FixedMarkerResult::Added);
    const FixedMarker &marker = state.fixedMarkers[0];
    EXPECT_EQ(marker.number, 1);
    EXPECT_EQ(marker.abscissa, 4);
    EXPECT_EQ(marker.label, "4 MHz");
    ASSERT_EQ(marker.lines.size(), 2u);
    EXPECT_EQ(marker.lines[0].text, std::to_string(3.0));  // sample before 4 on a
    EXPECT_EQ(marker.lines[1].text, std::to_string(7.0));  // sample before 4 (3.5) on b
    for (int i = 1; i < kFixedMarkerCount; ++i) EXPECT_EQ(model.addFixedMarker(), FixedMarkerResult::Added);
    EXPECT_EQ(model.addFixedMarker(), FixedMarkerResult::AllUsed);
    EXPECT_EQ(state.fixedMarkers[9].number, 10);
    model.clearFixedMarkers();
    EXPECT_FALSE(state.anyFixedMarker());
}

TEST_F(PlotModelTest, XMarkerWalksTheWindowAndFindsTheNearestSample) {
    doc.add("a", 11, 0, 10, [](double x) { return x; });
    show({{0, 1}});
    model.toggleXMarker();
    EXPECT_EQ(state.markerIndex, 0);
    EXPECT_FALSE(model.stepHorizontal(-1, false));  // first sample: nothing
    EXPECT_TRUE(model.stepHorizontal(1, false));
    EXPECT_EQ(state.markerIndex, 1);
    const PlotGeometry g = model.geometry();
    model.pressAt({g.toX(6.4), g.plot.bottom + 10});
    EXPECT_EQ(state.markerIndex, 6);
    model.toggleFreeMarker();
    EXPECT_EQ(state.marker, MarkerMode::Free);
}

TEST_F(PlotModelTest, ZoomOnATinyRectangleKeepsATenThousandthInsideTheGlobalWindow) {
    doc.add("a", 101, 0, 100, [](double x) { return x; });
    show({{0, 1}});
    EXPECT_EQ(model.zoomOnRectangle(), ZoomResult::NothingDrawn);
    const PlotGeometry g = model.geometry();
    const double right = g.plot.right;
    model.pressAt({right - 0.01, g.plot.top - 100});  // far below a pixel wide
    model.dragTo({right, g.plot.top - 2}, true);
    ASSERT_TRUE(state.zoomRect);
    EXPECT_TRUE(model.release());  // zooms at once
    EXPECT_TRUE(state.zoomed);
    EXPECT_FALSE(state.zoomRect);
    EXPECT_EQ(state.marker, MarkerMode::Off);
    const double least = state.global.x.span() / 10000;
    EXPECT_NEAR(state.window.x.span(), least, least * 1e-6);
    EXPECT_LE(state.window.x.maximum, state.global.x.maximum);
}

TEST_F(PlotModelTest, SecondScaleFollowsTheFirstWhenZooming) {
    doc.add("a", 11, 0, 10, [](double x) { return x; });
    doc.add("b", 11, 0, 10, [](double x) { return 100 + 10 * x; });
    show({{0, 1}, {1, 2}});
    const PlotWindow global = state.global;
    const PlotGeometry g = model.geometry();
    state.zoomRect = Rect{g.plot.left + 100, g.plot.bottom + 100, g.plot.right - 100, g.plot.top - 100};
    ASSERT_EQ(model.zoomOnRectangle(), ZoomResult::Zoomed);
    const double a = global.y2.span() / global.y1.span();
    const double b = global.y2.maximum - a * global.y1.maximum;
    EXPECT_NEAR(state.window.y2.minimum, a * state.window.y1.minimum + b, 1e-9);
    EXPECT_NEAR(state.window.y2.maximum, a * state.window.y1.maximum + b, 1e-9);
}

TEST_F(PlotModelTest, CurveVisibilityAndSelection) {
    for (int c = 0; c < 3; ++c) doc.add("c" + std::to_string(c), 3, 0, 2, [](double x) { return x; });
    show({{0, 1}, {1, 1}, {2, 1}});
    model.selectCurve(1);
    model.hideOtherCurves();
    EXPECT_FALSE(state.curves[0].visible);
    EXPECT_TRUE(state.curves[1].visible);
    EXPECT_FALSE(state.curves[2].visible);
    model.showAllCurves();
    for (const auto &slot : state.curves) EXPECT_TRUE(slot.visible);
    model.stepVertical(-1, false);  // Down: next curve
    EXPECT_EQ(state.selected, 2);
    model.stepVertical(-1, false);  // wraps to the first
    EXPECT_EQ(state.selected, 0);
    model.stepVertical(1, false);  // Up from the first: the last
    EXPECT_EQ(state.selected, 2);
}

TEST(CurveTemplate, GabFileRoundTripAndLayout) {
    CGabaritArray gabarit;
    gabarit.Add({1.5, -2, 2});
    gabarit.Add({0.5, kUndefinedLimit, 4});
    const auto bytes = gabarit.toGabBytes();
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 2u + 2 * 24);
    EXPECT_EQ((*bytes)[0], 2);
    EXPECT_EQ((*bytes)[1], 0);
    // 1.5 as a little-endian double: 00 00 00 00 00 00 F8 3F.
    EXPECT_EQ((*bytes)[8], 0xF8);
    EXPECT_EQ((*bytes)[9], 0x3F);
    const auto back = CGabaritArray::fromGabBytes(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, gabarit);
    EXPECT_EQ(CGabaritArray::fromGabBytes({0, 0})->GetSize(), 0);  // empty template
    EXPECT_FALSE(CGabaritArray::fromGabBytes({3, 0, 1, 2}));      // short of its count
    EXPECT_FALSE(CGabaritArray::fromGabBytes({}));
}

TEST(CurveTemplate, ArrayOperationsAndStableSort) {
    CGabaritArray a;
    a.SetAtGrow(2, {3, 0, 0});
    EXPECT_EQ(a.GetSize(), 3);
    a.InsertAt(0, {2, 1, 1}, 2);
    EXPECT_EQ(a.GetSize(), 5);
    a.RemoveAt(1, 3);
    ASSERT_EQ(a.GetSize(), 2);
    a.RemoveAll();
    a.Add({2, 1, 0});
    a.Add({1, 0, 0});
    a.Add({2, 2, 0});
    a.SortByX();
    EXPECT_EQ(a.GetAt(0).x, 1);
    EXPECT_EQ(a.GetAt(1).lower, 1);  // equal abscissas keep their order
    EXPECT_EQ(a.GetAt(2).lower, 2);
    const CGabaritArray sorted = a;
    a.SortByX();
    EXPECT_EQ(a, sorted);
}

TEST(CurveColours, ProfileKeysDefaultsAndStyles) {
    EXPECT_EQ(curveColourKey(0), "CouleurCourbe1");
    EXPECT_EQ(curveColourKey(29), "CouleurCourbe30");
    EXPECT_EQ(defaultCurveColour(0), (Rgb{128, 0, 0}));
    EXPECT_EQ(defaultCurveColour(14), (Rgb{0, 0, 0}));
    EXPECT_EQ(defaultCurveColour(15), defaultCurveColour(0));
    EXPECT_EQ(graphCurveColour(13), graphCurveColour(0));
    EXPECT_EQ((Rgb{1, 2, 3}).toColorRef(), 0x030201L);
    EXPECT_EQ(Rgb::fromColorRef(0x030201L), (Rgb{1, 2, 3}));
    EXPECT_EQ(curveLineStyle(0), 0);
    EXPECT_EQ(curveLineStyle(7), 2);
}

TEST(DashWalker, PatternAdvancesThreeStepsInFourAndCarriesOver) {
    DashWalker walker(monochromePattern(2));  // "--.."
    std::vector<Segment> drawn;
    walker.walk({0, 0}, {16, 0}, drawn);
    // Step 0 stays on the first "-"; positions by step: 0 0 1 2 | 3 3 0 1 | 2 2 3 0 | 1 1 2 3
    // drawn while on "-": steps 0-2, 6-7, 11-13.
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].from.x, 0);
    EXPECT_EQ(drawn[0].to.x, 3);
    EXPECT_EQ(drawn[1].from.x, 6);
    EXPECT_EQ(drawn[1].to.x, 8);
    std::vector<Segment> solid;
    DashWalker(monochromePattern(0)).walk({0, 0}, {5, 5}, solid);
    EXPECT_EQ(solid.size(), 1u);
}

TEST(EditRules, ClassesDatesAndTimes) {
    EXPECT_EQ(expandCharClass("0-9eE+-"), "0123456789eE+-");
    EXPECT_EQ(expandCharClass("-a-c"), "-abc");
    EXPECT_EQ(filterText("12a,5x", expandCharClass("0-9,"), 5), "12,5");
    EXPECT_TRUE(parseDateTime("31/12/99 23:59:59"));
    EXPECT_FALSE(parseDateTime("32/12/99 23:59:59"));
    EXPECT_FALSE(parseDateTime("31-12-99 23:59:59"));
    EXPECT_EQ(parseTimeOfDay("01:02:03"), 3723.0);
    EXPECT_FALSE(parseTimeOfDay("24:00:00"));
}

class PlotLayoutTest : public PlotModelTest {
protected:
    PlotScene layout(LayoutOptions options = {}) { return layoutPlot(doc, state, model.format(), options); }
};

TEST_F(PlotLayoutTest, AFailedValueIsBridgedWithSymbolsOnEitherSide) {
    auto &channel = doc.add("a", 5, 0, 4, [](double x) { return x; });
    channel.failing = {2};
    show({{0, 1}});
    const PlotScene scene = layout();
    const auto lines = scene.all<PolylineItem>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points.size(), 4u);  // 0, 1, 3, 4 joined
    int curveSymbols = 0;
    for (const SymbolItem *symbol : scene.all<SymbolItem>()) {
        if (symbol->at.x == scene.geometry.toX(1) || symbol->at.x == scene.geometry.toX(3)) ++curveSymbols;
    }
    EXPECT_EQ(curveSymbols, 2);
}

TEST_F(PlotLayoutTest, LongCurvesAreThinnedToThePlotWidth) {
    doc.add("long", 100000, 0, 1, [](double x) { return std::sin(x * 50); });
    show({{0, 1}});
    LayoutOptions options;
    options.deviceWidth = 1350;  // half a pixel per logical unit
    const PlotScene scene = layout(options);
    const auto lines = scene.all<PolylineItem>();
    std::size_t points = 0;
    for (const auto *line : lines) points += line->points.size();
    const double pixels = model.geometry().plot.width() / 2;
    EXPECT_LT(points, static_cast<std::size_t>(pixels * 1.2));
    EXPECT_GT(points, static_cast<std::size_t>(pixels * 0.8));
}

TEST_F(PlotLayoutTest, MonochromeDrawsEveryCurveInBlackDashes) {
    doc.add("a", 50, 0, 49, [](double x) { return x; });
    doc.add("b", 50, 0, 49, [](double x) { return 49 - x; });
    show({{0, 1}, {1, 1}});
    LayoutOptions options;
    options.monochrome = true;
    const PlotScene scene = layout(options);
    const auto lines = scene.all<PolylineItem>();
    std::size_t second = 0;
    for (const auto *line : lines) {
        EXPECT_EQ(line->colour, kBlack);
        EXPECT_EQ(line->style, 0);
        if (line->slot == 1) ++second;
    }
    EXPECT_GT(second, 3u);  // slot 1 is dashed into pieces
}

TEST_F(PlotLayoutTest, ZoomedCurvesAreClippedToThePlotArea) {
    doc.add("a", 101, 0, 100, [](double x) { return x * x; });
    show({{0, 1}});
    PlotWindow window = model.scalesForDialog();
    window.x = {40, 60};
    window.y1 = {1800, 2500};
    model.applyScales(window);
    const PlotScene scene = layout();
    for (const auto *line : scene.all<PolylineItem>()) {
        for (const Point &p : line->points) EXPECT_TRUE(scene.geometry.plot.contains(p)) << p.x << "," << p.y;
    }
}

TEST_F(PlotLayoutTest, CurveNumbersAndAxisTexts) {
    doc.numbers = true;
    doc.add("alpha", 20, 0, 19, [](double x) { return x; });
    show({{0, 1}});
    const PlotScene scene = layout();
    const auto texts = scene.all<TextItem>();
    const auto has = [&](const std::string &text) {
        return std::any_of(texts.begin(), texts.end(), [&](const TextItem *t) { return t->text == text; });
    };
    EXPECT_TRUE(has("1"));
    EXPECT_TRUE(has("Test plot"));
    EXPECT_TRUE(has("Frequency (MHz)"));
    EXPECT_TRUE(has("alpha"));
    const PlotScene compact = layout({1350, false, true});
    EXPECT_TRUE(compact.all<TextItem>().empty());  // compact: no text
}

TEST_F(PlotLayoutTest, DateAbscissaGetsFiveDatedGraduations) {
    doc.dates = true;
    doc.add("temperature", 61, 1700000000, 1700003600, [](double x) { return 20 + std::fmod(x, 7); });
    show({{0, 1}});
    EXPECT_TRUE(state.dateAbscissa);
    EXPECT_EQ(state.origin, 1700000000);
    EXPECT_EQ(state.window.x, (Range{0, 3600}));
    const PlotScene scene = layout();
    int dated = 0;
    for (const TextItem *text : scene.all<TextItem>()) {
        if (text->band == Band::Abscissa && text->text.size() == 8 && text->text[2] == '/') ++dated;
    }
    EXPECT_EQ(dated, 5);
    const auto lines = legendLines(doc, state, model.format());
    EXPECT_EQ(lines[3].text, "X axis: Time");
}

TEST_F(PlotLayoutTest, LegendLinesWithStatisticsAndMarkers) {
    doc.add("a", 11, 0, 10, [](double x) { return x; });
    doc.add("b", 11, 0, 10, [](double x) { return 0.0 - x; });
    show({{0, 1}, {1, 2}});
    state.comments = {"first comment"};
    model.toggleXMarker();
    state.markerIndex = 5;
    ASSERT_EQ(model.addFixedMarker(), FixedMarkerResult::Added);
    const auto lines = legendLines(doc, state, model.format());
    std::vector<std::string> texts;
    for (const auto &line : lines) texts.push_back(line.text);
    const std::vector<std::string> expected = {
        "Legend:",
        "\xC2\xBB" "a - V (1)",
        " b - V (2)",
        "",
        "X axis: Frequency - MHz",
        "",
        "Comment:",
        "first comment",
        "",
        "Statistics:",
        " Chan.\tMinimum\tMaximum\tAverage\tStd. Dev.",
        " a\t    0.00\t   10.00\t    5.00\t    3.16",
        " b\t  -10.00\t    0.00\t   -5.00\t    3.16",
        "",
        "Markers:",
        " 01-5 MHz",
        "   " + std::to_string(4.0),
        "   " + std::to_string(-4.0),
    };
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(lines[0].heading);
    EXPECT_EQ(lines[1].slot, 0);
    EXPECT_EQ(lines[1].colour, state.curves[0].colour);
    EXPECT_EQ(legendText(lines).substr(0, 9), "Legend:\r\n");
}

}  // namespace
}  // namespace quillet::plot
