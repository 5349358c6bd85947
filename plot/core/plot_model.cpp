#include "plot_model.h"

#include <algorithm>

#include "curve_colours.h"
#include "plot_scales.h"

namespace quillet::plot {

PlotModel::PlotModel(const PlotDocument &document, NumberFormat format) : document_(&document), format_(format) {
    for (int s = 0; s < kSlotCount; ++s) {
        slot(s).colour = defaultCurveColour(s);
        slot(s).style = curveLineStyle(s);
    }
}

void PlotModel::takeTitleFromDocument() {
    state_.title = document_->plotTitle();
    state_.comments = document_->plotComment();
    if (state_.comments.size() > static_cast<std::size_t>(kCommentLineCount)) state_.comments.resize(kCommentLineCount);
}

std::vector<ChannelChoice> PlotModel::availableChannels() const {
    std::vector<ChannelChoice> channels;
    for (int c = 0; c < document_->GetDocNbVoies(); ++c) {
        if (document_->IsDocVoieDispo(c)) channels.push_back({c, 1});
    }
    return channels;
}

void PlotModel::assignChannels(std::span<const ChannelChoice> choices, std::span<const Rgb> colours) {
    const auto count = std::min<std::size_t>(choices.size(), kSlotCount);
    const auto used = [&](int scale) {
        return std::any_of(choices.begin(), choices.begin() + static_cast<long>(count),
                           [scale](const ChannelChoice &c) { return (c.scale == 2 ? 2 : 1) == scale; });
    };
    state_.twoScales = used(1) && used(2);
    for (int s = 0; s < kSlotCount; ++s) {
        CurveSlot fresh;
        fresh.colour = s < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(s)] : slot(s).colour;
        fresh.style = curveLineStyle(s);
        if (static_cast<std::size_t>(s) < count) {
            fresh.channel = choices[static_cast<std::size_t>(s)].channel;
            fresh.scale = choices[static_cast<std::size_t>(s)].scale == 2 && used(1) ? 2 : 1;
        }
        slot(s) = std::move(fresh);
    }
    reset();
}

void PlotModel::reset() {
    state_.selected = state_.previousSelected = 0;
    state_.abscissaCurve = -1;
    for (auto &s : state_.curves) s.visible = true;
    state_.zoomed = false;
    state_.marker = MarkerMode::Off;
    state_.zoomRect.reset();
    state_.dragging = false;
    refreshChannels();
}

void PlotModel::refreshChannels() {
    for (int s = 0; s < state_.filledCount(); ++s) {
        CurveSlot &curve = slot(s);
        curve.name = document_->GetDocVoieMnemo(curve.channel);
        curve.unit = document_->GetDocVoieUnit(curve.channel);
        curve.precision = document_->GetDocVoieCapv(curve.channel);
        curve.count = std::max(0, document_->GetDocNbValeursVoie(curve.channel));
    }
    computeStatistics(*document_, state_);
    autoScale(*document_, state_);
}

void PlotModel::selectCurve(int s) {
    if (s < 0 || s >= state_.filledCount()) return;
    state_.previousSelected = state_.selected;
    state_.selected = s;
}

void PlotModel::selectNextCurve(int direction) {
    const int n = state_.filledCount();
    if (n == 0) return;
    int s = state_.selected;
    for (int tries = 0; tries < n; ++tries) {
        s = (s + direction + n) % n;
        if (s != state_.abscissaCurve) break;
    }
    selectCurve(s);
}

void PlotModel::hideOtherCurves() {
    for (int s = 0; s < kSlotCount; ++s) slot(s).visible = s == state_.selected;
}

void PlotModel::showAllCurves() {
    for (auto &s : state_.curves) s.visible = true;
}

void PlotModel::setSelectedVisible(bool visible) { slot(state_.selected).visible = visible; }

void PlotModel::setCurveColour(int s, Rgb colour) {
    if (s >= 0 && s < kSlotCount) slot(s).colour = colour;
}

void PlotModel::useSelectedAsAbscissa() {
    if (!hasCurves()) return;
    state_.abscissaCurve = state_.selected;
    state_.zoomed = false;
    state_.marker = MarkerMode::Off;
    computeStatistics(*document_, state_);
    autoScale(*document_, state_);
}

void PlotModel::useDocumentAbscissa() {
    state_.abscissaCurve = -1;
    state_.zoomed = false;
    state_.marker = MarkerMode::Off;
    computeStatistics(*document_, state_);
    autoScale(*document_, state_);
}

void PlotModel::afterWindowChange() {
    state_.marker = MarkerMode::Off;
    state_.zoomed = true;
    state_.zoomRect.reset();
    computeStatistics(*document_, state_);
}

bool PlotModel::globalView() {
    if (!state_.zoomed) return false;
    state_.zoomed = false;
    computeStatistics(*document_, state_);
    autoScale(*document_, state_);
    state_.zoomRect.reset();
    return true;
}

double PlotModel::displayFactor() const {
    const double factor = document_->abscissaDisplayFactor();
    return factor == 0 ? 1 : factor;
}

PlotWindow PlotModel::scalesForDialog() const {
    PlotWindow shown = state_.window;
    const double origin = state_.abscissaCurve >= 0 ? 0 : state_.origin;
    shown.x = {(shown.x.minimum + origin) * displayFactor(), (shown.x.maximum + origin) * displayFactor()};
    return shown;
}

void PlotModel::applyScales(const PlotWindow &shown) {
    const double origin = state_.abscissaCurve >= 0 ? 0 : state_.origin;
    state_.window = shown;
    state_.window.x = {shown.x.minimum / displayFactor() - origin, shown.x.maximum / displayFactor() - origin};
    afterWindowChange();
}

}  // namespace quillet::plot
