// CGrphView: the plot of a graph document - frequency abscissa, ordinates
// inverted (greater losses lower), the thirteen-colour cycle, and a first
// display that shows the document's curves without asking.
#pragma once

#include "graph_view.h"

namespace quillet::graphs {

class CGrphView : public CGraphView {
    Q_OBJECT
public:
    explicit CGrphView(const plot::PlotDocument &document, QWidget *parent = nullptr);

    std::vector<plot::Rgb> slotColours() const override;
    // First display: the document's curves in order (at most 30), all on
    // scale 1; false when the document holds none.
    bool showDocumentCurves();
};

}  // namespace quillet::graphs
