// CNormDoc: the standards downloaded from the tester, or read from a
// ".nrm" file, with the file's comment. It downloads, reads and saves
// itself; the frame shows it and runs its commands.
#pragma once

#include <QString>

#include "norm_file.h"
#include "tester_link.h"
#include "user_interaction.h"

class QWidget;

namespace quillet {

class CNormDoc {
public:
    // An untitled document shows `untitledName` until it is saved.
    explicit CNormDoc(QString untitledName = QStringLiteral("Standard"));

    const model::NormFile &file() const { return file_; }
    const std::vector<model::CNorm> &standards() const { return file_.standards; }
    const std::string &comment() const { return file_.comment; }
    void setComment(const std::string &comment);

    QString pathName() const { return path_; }
    QString title() const;
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The download of the tester's standards (link opened and closed here);
    // false when it ended without a standard. `saveAfterTransfer` tells
    // whether the user asked for the file to be saved at once.
    bool onNewDocument(const TesterLinkContext &link, QWidget *parent, bool &saveAfterTransfer);

    // Reads the file; on failure says so ("Unable to read the file") and
    // keeps the document empty.
    bool onOpenDocument(const QString &path, UserPrompt &prompt);

    // Asks for the comment first (Cancel keeps the old one), then saves
    // atomically; a failure is reported and the document stays modified.
    bool onSaveDocument(const QString &path, UserPrompt &prompt, QWidget *parent);

private:
    model::NormFile file_;
    QString path_;
    QString untitled_;
    bool modified_ = false;
};

}  // namespace quillet
