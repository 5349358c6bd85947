// The standards document type's documents: the download that creates one
// and the opening of a ".nrm" file, each in its own child window, and the
// type's open dialog with the file's comment. registerStandardsDocuments
// attaches them to the program's standards document type.
#pragma once

#include <QString>
#include <optional>

#include "doc_template.h"

namespace quillet {

class CQuilletApp;

class NormDocFactory : public DocumentFactory {
public:
    explicit NormDocFactory(CQuilletApp &app) : app_(app) {}
    QWidget *download(QWidget *parent) override;
    QWidget *open(const QString &path, QWidget *parent) override;
    std::optional<QString> promptOpenFileName(QWidget *parent) override;

private:
    // "Standard1", "Standard2"... for the downloads of this run.
    QString untitledName();

    CQuilletApp &app_;
    int untitledCount_ = 0;
};

void registerStandardsDocuments(CQuilletApp &app);

}  // namespace quillet
