#include "graph_frame.h"

#include "graph_list_view.h"
#include "graph_view.h"

namespace quillet {

CGraphFrame::CGraphFrame(CGraphView *view, QWidget *parent) : QSplitter(Qt::Horizontal, parent), view_(view) {
    addWidget(view_);
    legend_ = new CGraphListView(*view_, this);
    legend_->setMinimumWidth(10);
    addWidget(legend_);
    setStretchFactor(0, 4);
    setStretchFactor(1, 1);
    setSizes({4000, 1000});  // the plot four fifths of the width
    setFocusProxy(view_);
}

bool CGraphFrame::handlesCommand(int id) const { return view_->handlesCommand(id); }
bool CGraphFrame::isCommandEnabled(int id) const { return view_->isCommandEnabled(id); }
bool CGraphFrame::isCommandChecked(int id) const { return view_->isCommandChecked(id); }
void CGraphFrame::onCommand(int id) { view_->onCommand(id); }

}  // namespace quillet
