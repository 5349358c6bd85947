#include "norm_doc_factory.h"

#include "doc_template_strings.h"
#include "norm_frame.h"
#include "norm_open_dlg.h"
#include "quillet_app.h"
#include "quillet_strings.h"

namespace quillet {

QString NormDocFactory::untitledName() {
    const std::string docName = parseDocTemplateStrings(resourceString(ids::kNormDocStrings)).docName;
    return QString::fromStdString(docName) + QString::number(++untitledCount_);
}

QWidget *NormDocFactory::download(QWidget *parent) {
    auto document = std::make_unique<CNormDoc>(untitledName());
    bool saveAfterTransfer = false;
    if (!document->onNewDocument(app_.linkContext(), parent, saveAfterTransfer)) return nullptr;
    auto *frame = new CNormFrame(std::move(document), app_.prompt(), parent);
    if (saveAfterTransfer) frame->saveAs();
    return frame;
}

QWidget *NormDocFactory::open(const QString &path, QWidget *parent) {
    auto document = std::make_unique<CNormDoc>();
    if (!document->onOpenDocument(path, app_.prompt())) return nullptr;
    return new CNormFrame(std::move(document), app_.prompt(), parent);
}

std::optional<QString> NormDocFactory::promptOpenFileName(QWidget *parent) {
    return CNormOpenDlg::getOpenFileName(parent);
}

void registerStandardsDocuments(CQuilletApp &app) {
    app.standardsTemplate().setFactory(std::make_unique<NormDocFactory>(app));
}

}  // namespace quillet
