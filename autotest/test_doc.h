// CTestDoc: the autotest document of the desktop program. It holds the
// file's comment, its sites (each with its plugs and comment) and which
// sites are shown in windows; it downloads sites from the tester, reads and
// saves ".tat" files (a failed save leaves the previous file as it was) and
// groups its sites into an existing file. Its windows (CTestFrame) follow
// its changes through its signals.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "autotest_environment.h"
#include "autotest_file.h"
#include "site.h"
#include "transfer_interaction.h"

namespace quillet::autotest {

class CTestDocTemplate;

// How a Save As ended.
enum class SaveOutcome { Cancelled, Failed, Saved, Grouped };

class CTestDoc : public QObject {
    Q_OBJECT
public:
    using File = model::AutotestFile<model::CSite>;

    CTestDoc(CTestDocTemplate &type, AutotestEnvironment &env);

    CTestDocTemplate &docTemplate() const { return type_; }
    std::vector<model::CSite> &sites() { return file_.sites; }
    const std::vector<model::CSite> &sites() const { return file_.sites; }
    const std::string &comment() const { return file_.comment; }
    const std::string &header() const { return file_.header; }
    // One flag per site: shown in a window.
    std::vector<std::uint8_t> &displayFlags() { return displayFlags_; }

    const QString &path() const { return path_; }
    void setPath(const QString &path);
    QString title() const { return title_; }
    void setTitle(const QString &title);
    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // Download: the listing under the progress dialog, the selection, the
    // reading of each chosen site. False (link closed) when nothing was
    // downloaded; `saveAfterTransfer` tells the state of the selection's box.
    bool download(model::UserInteraction &ui, bool &saveAfterTransfer);
    // Reads a ".tat" file; on failure the user is told why and the document
    // stays empty.
    bool openDocument(const QString &path);

    // Save: the current path, or Save As for a document without one.
    bool save();
    SaveOutcome saveAs();
    // REPLACE: writes the document to the file atomically; on success the
    // file becomes the document's path.
    bool saveTo(const QString &path);
    // GROUP: the document's sites grouped into those of the file, which is
    // saved again; nothing changes here.
    bool mergeInto(const QString &path, model::UserInteraction &ui);

    // The file's comment and a site's comment, from their dialogs.
    void setComment(const std::string &comment);
    void setSiteComment(std::size_t site, const std::string &comment);
    // Removes sites (display choice with Delete), marking the document modified.
    void deleteSites(std::vector<std::size_t> sites);
    // A plug identifier of a site changed, or its plugs were put in order.
    void plugsRenamed(std::size_t site);
    void plugsReordered(std::size_t site);

    // The framework's question before a modified document closes: false
    // when the user cancelled or the save failed.
    bool saveModified();

    // The display choice's lines: number, name, plugs and date of each site.
    std::vector<std::string> siteLines() const;

signals:
    void titleChanged();
    void modifiedChanged();
    // The lines of every window must be rebuilt (comments, renamed plugs).
    void contentChanged();
    // A site's plugs were put in order: its windows show them all again.
    void plugsSorted(std::size_t site);

private:
    bool reportSaveFailure(const QString &path, const std::string &why);

    CTestDocTemplate &type_;
    AutotestEnvironment &env_;
    File file_;
    std::vector<std::uint8_t> displayFlags_;
    QString path_;
    QString title_;
    bool modified_ = false;
};

}  // namespace quillet::autotest
