// CGrphFrame: the window of a graph document - it owns the document and
// shows it in a CGrphView beside its legend pane.
#pragma once

#include <memory>

#include "graph_file.h"
#include "graph_frame.h"
#include "graph_plot_document.h"

namespace quillet::graphs {

class CGrphView;

// What a graph window shows: the file's records and its plot reading.
struct CGrphDoc {
    model::GraphFile file;
    GraphPlotDocument plot;
    CGrphDoc(model::GraphFile f, const std::string &title) : file(std::move(f)), plot(file, title, programRegional()) {}
    CGrphDoc(const CGrphDoc &) = delete;
    CGrphDoc &operator=(const CGrphDoc &) = delete;
};

class CGrphFrame : public CGraphFrame {
    Q_OBJECT
public:
    explicit CGrphFrame(std::unique_ptr<CGrphDoc> document, QWidget *parent = nullptr);

    CGrphDoc &document() { return *document_; }
    CGrphView *graphView() const;

private:
    std::unique_ptr<CGrphDoc> document_;
};

// A window on the document, its curves shown; nullptr when it holds none.
CGrphFrame *openGraphWindow(std::unique_ptr<CGrphDoc> document, QWidget *parent);

}  // namespace quillet::graphs
