#include "grph_view.h"

#include "graph_plot_document.h"

namespace quillet::graphs {

CGrphView::CGrphView(const plot::PlotDocument &document, QWidget *parent) : CGraphView(document, parent) {
    model().state().inverted = true;
}

std::vector<plot::Rgb> CGrphView::slotColours() const { return graphSlotColours(); }

bool CGrphView::showDocumentCurves() {
    model().takeTitleFromDocument();
    std::vector<plot::ChannelChoice> choices = model().availableChannels();
    if (choices.size() > 30) choices.resize(30);
    assignChannels(choices);
    return model().state().filledCount() > 0;
}

}  // namespace quillet::graphs
