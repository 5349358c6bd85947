#include "grph_frame.h"

#include "grph_view.h"

namespace quillet::graphs {

// The document is on the heap, so the view may read it before the frame
// takes ownership.
CGrphFrame::CGrphFrame(std::unique_ptr<CGrphDoc> document, QWidget *parent)
    : CGraphFrame(new CGrphView(document->plot), parent), document_(std::move(document)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CGrphView *CGrphFrame::graphView() const { return static_cast<CGrphView *>(view()); }

CGrphFrame *openGraphWindow(std::unique_ptr<CGrphDoc> document, QWidget *parent) {
    auto *frame = new CGrphFrame(std::move(document), parent);
    frame->setWindowTitle(QString::fromStdString(frame->document().plot.plotTitle()));
    if (!frame->graphView()->showDocumentCurves()) {
        delete frame;
        return nullptr;
    }
    return frame;
}

}  // namespace quillet::graphs
