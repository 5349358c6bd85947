// CGrphFrame: the window of a graph document - it owns the document and
// shows it in a CGrphView beside its legend pane.
#pragma once

#include <memory>

#include "graph_file.h"
#include "graph_frame.h"
#include "graph_plot_document.h"
#include "user_interaction.h"

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
    // Where the document was opened from or saved to; empty when new.
    void setPath(const QString &path) { path_ = path; }
    const QString &path() const { return path_; }
    void setPrompt(UserPrompt *prompt) { prompt_ = prompt; }

    // Save, Save As (ADD/REPLACE/ANOTHER for an existing file) and Export;
    // the plot's commands go on to the view.
    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void onCommand(int id) override;

private:
    void saveAs();
    void exportText();
    void tell(const std::string &text);

    std::unique_ptr<CGrphDoc> document_;
    QString path_;
    UserPrompt *prompt_ = nullptr;
};

// A window on the document, its curves shown; nullptr when it holds none.
CGrphFrame *openGraphWindow(std::unique_ptr<CGrphDoc> document, QWidget *parent);

}  // namespace quillet::graphs
