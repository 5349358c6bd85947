// CQuilletApp: the program's start-up (profile, document types, main
// window, command line, test-build warning, starting helper) and the
// commands that belong to no document.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "command_target.h"
#include "doc_template.h"
#include "firmware_update.h"
#include "module_version.h"
#include "tester_link.h"
#include "user_interaction.h"

class QPrinter;

namespace quillet {

class CMainFrame;
class QtUserPrompt;

// What start-up takes from outside; the defaults are the real ones, tests
// put recorders in their place.
struct AppEnvironment {
    UserPrompt *prompt = nullptr;  // null: message boxes on screen
    ProcessStarter startProcess;   // null: a detached process
    PortChooser choosePort;        // null: the "Communication Parameters" dialog
    ModuleVersion version = programVersion();
    QString programFolder;         // empty: the folder of the running program
};

class CQuilletApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    explicit CQuilletApp(AppEnvironment environment = {});
    ~CQuilletApp() override;

    // The start-up sequence; false when the program must end.
    bool initInstance(const QStringList &arguments);

    CMainFrame *mainFrame() const { return mainFrame_.get(); }
    CMultiDocTemplate &autotestTemplate() { return *templates_[0]; }
    CMultiDocTemplate &graphTemplate() { return *templates_[1]; }
    CMultiDocTemplate &standardsTemplate() { return *templates_[2]; }
    UserPrompt &prompt() { return *prompt_; }
    TesterLinkContext linkContext();

    // Opens a document file with the type its extension names; false when
    // no type can open it now.
    bool openDocumentFile(const QString &path);
    // Puts a file at the top of the recent-file list.
    void addToRecentFiles(const QString &path);

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void onCommand(int id) override;

private:
    void registerTemplates();
    bool processCommandLine(const QStringList &arguments);
    void warnIfTestBuild();
    CMultiDocTemplate *templateFor(const QString &path) const;
    bool anyTemplateCreates() const;

    void onDownload(CMultiDocTemplate &type);
    void onOpen(CMultiDocTemplate &type);
    void onFileOpen();
    void onPrintSetup();
public:
    // The printer Print Setup chose, shared by every window that prints.
    QPrinter &printer();

private:
    void onPrintHeader();
    void onStartingHelper();
    void onAbout();

    AppEnvironment environment_;
    std::unique_ptr<QtUserPrompt> screenPrompt_;
    UserPrompt *prompt_;
    std::vector<std::unique_ptr<CMultiDocTemplate>> templates_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace quillet
