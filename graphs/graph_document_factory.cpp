#include "graph_document_factory.h"

#include <QFileDialog>
#include <QFileInfo>

#include "graph_download.h"
#include "graph_texts.h"
#include "grph_frame.h"
#include "plug_graph.h"
#include "quillet_strings.h"
#include "shell_transfer_interaction.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet::graphs {
namespace {

void tell(UserPrompt &prompt, const std::string &text) {
    prompt.show(resourceString(ids::kAppTitle), text, MessageIcon::Exclamation, MessageButtons::Ok);
}

// "&Save data after transfer": the Save As of a downloaded document.
void saveAfterTransfer(CGrphFrame &frame, UserPrompt &prompt, QWidget *parent) {
    const QString path = QFileDialog::getSaveFileName(
        parent, QString(), QString::fromStdString(frame.document().plot.plotTitle()) + ".frt",
        QStringLiteral("Graph Files (*.frt)"));
    if (path.isEmpty()) return;
    const auto saved = model::saveGraphFile(path.toStdString(), frame.document().file);
    if (!saved) return tell(prompt, cp1252ToUtf8(saved.error().text()));
    frame.setPath(path);
}

}  // namespace

QWidget *GraphDocumentFactory::download(QWidget *parent) {
    if (!openTesterLink(linkContext_())) return nullptr;
    ShellTransferInteraction ui(prompt_, nullptr, parent);
    bool save = false;
    auto result = runGraphDownload(ui, programRegional(), save);
    TorvikCommClose();
    if (!result) return nullptr;
    auto *frame = openGraphWindow(std::make_unique<CGrphDoc>(std::move(result->file), result->title), parent);
    if (frame) frame->setPrompt(&prompt_);
    if (frame && save) saveAfterTransfer(*frame, prompt_, parent);
    return frame;
}

QWidget *GraphDocumentFactory::open(const QString &path, QWidget *parent) {
    auto file = model::loadGraphFile(path.toStdString());
    if (!file) {
        tell(prompt_, formatResource(kUnableToReadFile, path.toStdString()) + ".\n" + resourceString(kCantReadData) + ".");
        return nullptr;
    }
    auto *frame = openGraphWindow(
        std::make_unique<CGrphDoc>(std::move(file.value()), QFileInfo(path).fileName().toStdString()), parent);
    if (frame) {
        frame->setPath(path);
        frame->setPrompt(&prompt_);
    }
    return frame;
}

QWidget *openPlugCurves(const model::CSite &site, const model::CPrise &plug, int slot, UserPrompt &prompt,
                        QWidget *parent) {
    auto graph = plugGraph(site, plug, slot);
    CGrphFrame *frame =
        graph ? openGraphWindow(std::make_unique<CGrphDoc>(std::move(graph->file), graph->title), parent) : nullptr;
    if (frame) frame->setPrompt(&prompt);
    if (!frame) tell(prompt, "Failed to create empty document.");
    return frame;
}

}  // namespace quillet::graphs
