// The three document types: each ties a file type (its strings, filter and
// extension) to the document that downloads or reads it. The documents
// themselves plug in through a DocumentFactory; a type without one cannot
// create documents yet and its commands stay disabled.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "doc_template_strings.h"

class QWidget;

namespace quillet {

class DocumentFactory {
public:
    virtual ~DocumentFactory() = default;
    // A new document downloaded from the tester, in its own child frame;
    // nullptr when the download was cancelled or failed (no window stays).
    virtual QWidget *download(QWidget *parent) = 0;
    // The document read from `path` in its child frame; nullptr when it
    // could not be read (the document has told the user why).
    virtual QWidget *open(const QString &path, QWidget *parent) = 0;
    // The type's own Open dialog, when it has one: the chosen path, empty
    // when cancelled; nothing to use the template's file prompt.
    virtual std::optional<QString> promptOpenFileName(QWidget *) { return std::nullopt; }
};

class CMultiDocTemplate {
public:
    explicit CMultiDocTemplate(int stringId);
    virtual ~CMultiDocTemplate() = default;

    const DocTemplateStrings &strings() const { return strings_; }
    QString newName() const { return QString::fromStdString(strings_.newName); }
    // "Autotest Files (*.tat)", as a file dialog's filter.
    QString fileFilter() const { return QString::fromStdString(strings_.filterName); }
    bool matches(const QString &path) const { return matchesExtension(strings_, path.toStdString()); }

    void setFactory(std::unique_ptr<DocumentFactory> factory) { factory_ = std::move(factory); }
    DocumentFactory *factory() const { return factory_.get(); }
    bool canCreateDocuments() const { return factory_ != nullptr; }

    // The type's file prompt: existing files of its filter; empty when
    // cancelled.
    QString promptOpenFileName(QWidget *parent) const;

private:
    DocTemplateStrings strings_;
    std::unique_ptr<DocumentFactory> factory_;
};

class CTestDocTemplate : public CMultiDocTemplate {
public:
    CTestDocTemplate();
};

class CGrphDocTemplate : public CMultiDocTemplate {
public:
    CGrphDocTemplate();
};

class CNormDocTemplate : public CMultiDocTemplate {
public:
    CNormDocTemplate();
};

}  // namespace quillet
