// The graph documents' side of the shell: Graphs > Download and Graphs >
// Open make graph windows, and a plug's curves open as one (See Plug
// Curves).
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "doc_template.h"
#include "prise.h"
#include "site.h"
#include "tester_link.h"

namespace quillet::graphs {

class GraphDocumentFactory : public DocumentFactory {
public:
    GraphDocumentFactory(std::function<TesterLinkContext()> linkContext, UserPrompt &prompt)
        : linkContext_(std::move(linkContext)), prompt_(prompt) {}

    QWidget *download(QWidget *parent) override;
    QWidget *open(const QString &path, QWidget *parent) override;

private:
    std::function<TesterLinkContext()> linkContext_;
    UserPrompt &prompt_;
};

// "See Plug Curves" of a slot 0..14: the plug's curves of that slot in a new
// graph window; nullptr (and the framework's message) when it holds none.
QWidget *openPlugCurves(const model::CSite &site, const model::CPrise &plug, int slot, UserPrompt &prompt,
                        QWidget *parent);

}  // namespace quillet::graphs
