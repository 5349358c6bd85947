// The autotest document type of the desktop program: Autotests >
// "&Download" and "&Open" (and the generic Open) create CTestDoc documents
// through it. It runs the document's download or file reading, lets the
// user choose the sites to display (and delete) when there are several,
// opens one CTestFrame per displayed site, offers the Open dialog with the
// file's comment and sites, and groups a document into an existing file.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "autotest_environment.h"
#include "doc_template.h"
#include "test_doc.h"

namespace quillet {
class CQuilletApp;
}

namespace quillet::autotest {

class CTestFrame;

class CTestDocTemplate : public QObject, public DocumentFactory {
    Q_OBJECT
public:
    CTestDocTemplate(const CMultiDocTemplate &type, AutotestEnvironment env);
    ~CTestDocTemplate() override;

    AutotestEnvironment &environment() { return env_; }
    QString fileFilter() const { return type_.fileFilter(); }

    QWidget *download(QWidget *parent) override;
    QWidget *open(const QString &path, QWidget *parent) override;
    std::optional<QString> promptOpenFileName(QWidget *parent) override;

    // GROUP: the document's sites grouped into the file, which then opens in
    // its own windows while the document closes.
    bool groupInto(CTestDoc &doc, const QString &path);

    std::vector<CTestDoc *> documents() const;
    std::vector<CTestFrame *> framesOf(const CTestDoc &doc) const;
    // Closes every window of the document (the question about saving comes
    // with the last one).
    void closeDocument(CTestDoc &doc);
    // Windows of the document that are not closing.
    int openFrameCount(const CTestDoc &doc) const;

private:
    // The main window exists only once the program has started.
    void followMainFrame();
    CTestDoc *newDocument();
    void discard(CTestDoc *doc);
    // The display choice and the windows; the first window, or nullptr when
    // the user cancelled (the caller discards the document).
    QWidget *showDocument(CTestDoc &doc);
    bool chooseDisplayedSites(CTestDoc &doc);
    CTestFrame *addFrame(CTestDoc &doc, std::size_t site);
    void frameDestroyed(CTestDoc *doc, QObject *frame);

    const CMultiDocTemplate &type_;
    AutotestEnvironment env_;
    std::vector<std::unique_ptr<CTestDoc>> documents_;
    // A window's entry goes when it is destroyed (a widget says so before
    // its own pointers are cleared).
    std::map<const CTestDoc *, std::vector<QObject *>> frames_;
    int untitled_ = 0;
};

// Gives the program's autotest type its documents; `adjust` may put other
// dialogs in the environment's place (tests).
CTestDocTemplate &registerAutotestDocuments(CQuilletApp &app,
                                            const std::function<void(AutotestEnvironment &)> &adjust = {});

}  // namespace quillet::autotest
