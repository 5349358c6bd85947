// A plot over a document: its state and every operation a plot view's
// commands, mouse and keys perform (channel selection, curve visibility,
// markers, zoom, set scales, global view), without any window. Mouse
// positions are logical points of the full layout (plotGeometry(state)).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "number_format.h"
#include "plot_document.h"
#include "plot_geometry.h"
#include "plot_state.h"

namespace quillet::plot {

struct ChannelChoice {
    int channel = 0;
    int scale = 1;
};

enum class FixedMarkerResult { Added, AllUsed, NoValue, NoXMarker };
enum class ZoomResult { Zoomed, NothingDrawn };

class PlotModel {
public:
    explicit PlotModel(const PlotDocument &document, NumberFormat format = NumberFormat());

    const PlotDocument &document() const { return *document_; }
    PlotState &state() { return state_; }
    const PlotState &state() const { return state_; }
    const NumberFormat &format() const { return format_; }
    PlotGeometry geometry() const { return plotGeometry(state_); }

    // Title and comment from the document (first display).
    void takeTitleFromDocument();
    // Fills the slots in list order (at most 30) with the two-scale rule,
    // then resets the view. Colours come from `colours` (slot order) when
    // given, else the generic view's defaults.
    void assignChannels(std::span<const ChannelChoice> choices, std::span<const Rgb> colours = {});
    // The channels the document offers, all on scale 1.
    std::vector<ChannelChoice> availableChannels() const;
    // Selected curve 0, no abscissa curve, all visible, not zoomed, markers
    // off; then the channel information is read again.
    void reset();
    // Names, units, precisions and counts read again, statistics and scales.
    void refreshChannels();

    // Curves.
    void selectCurve(int slot);
    void selectNextCurve(int direction);  // +1 or -1, wrapping, skipping the abscissa curve
    void hideOtherCurves();
    void showAllCurves();
    void setSelectedVisible(bool visible);
    void setCurveColour(int slot, Rgb colour);
    void useSelectedAsAbscissa();
    void useDocumentAbscissa();

    // Markers.
    void toggleXMarker();
    void toggleFreeMarker();
    FixedMarkerResult addFixedMarker();
    void clearFixedMarkers();
    // Value index of the reference curve nearest a logical x.
    int nearestSample(double logicalX) const;

    // Mouse and keys; each returns whether the plot must be drawn again.
    bool pressAt(Point logical);
    bool dragTo(Point logical, bool shift);
    // Releases the mouse; a drawn rectangle is zoomed on at once.
    bool release();
    bool stepHorizontal(int direction, bool shift);  // Left -1, Right +1
    bool stepVertical(int direction, bool shift);    // Up +1, Down -1
    bool eraseRectangle();

    // Zoom, scales.
    ZoomResult zoomOnRectangle();
    // Back to the automatic scales; false (nothing changes) when not zoomed.
    bool globalView();
    // Windows as the Set Scales dialog shows them: the abscissa absolute
    // and multiplied by the view's display factor.
    PlotWindow scalesForDialog() const;
    void applyScales(const PlotWindow &shown);

private:
    CurveSlot &slot(int s) { return state_.curves[static_cast<std::size_t>(s)]; }
    void afterWindowChange();
    bool hasCurves() const { return state_.filledCount() > 0; }
    double displayFactor() const;

    const PlotDocument *document_;
    NumberFormat format_;
    PlotState state_;
};

}  // namespace quillet::plot
