// Start-up of the program: the main window, the starting helper and its
// profile key, the test-build warning, a file named on the command line.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

#include "command_ids.h"
#include "main_frame.h"
#include "quillet_app.h"
#include "shell_fixture.h"
#include "start_helper_dlg.h"

namespace quillet::test {
namespace {

// A document type that records what it was asked to do.
class RecordingFactory : public DocumentFactory {
public:
    QWidget *download(QWidget *) override {
        ++downloads;
        return nullptr;  // as a cancelled download: no window stays
    }
    QWidget *open(const QString &path, QWidget *) override {
        opened.append(path);
        auto *frame = new QWidget;
        frame->setWindowTitle(path);
        return frame;
    }
    int downloads = 0;
    QStringList opened;
};

class Startup : public ShellTest {
protected:
    AppEnvironment environment(const std::string &version = "D.06") {
        AppEnvironment env;
        env.prompt = &prompt;
        env.version.productVersion = version;
        return env;
    }
    void disableHelper() { Profile().writeInt("Start", "Assist", 0); }
};

TEST_F(Startup, MainWindowWithMenusToolbarAndCommandStates) {
    disableHelper();
    CQuilletApp app(environment());
    ASSERT_TRUE(app.initInstance({}));
    CMainFrame *frame = app.mainFrame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->windowTitle(), "Quillet");

    QStringList menus;
    for (QAction *menu : frame->menuBar()->actions()) menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{"&File", "&Autotests", "&Graphs", "&View", "&Window", "&Help"}));

    const auto expected = cmd::toolbarButtons(cmd::kResourceMain);
    EXPECT_EQ(frame->toolBarCommands(), QList<int>(expected.begin(), expected.end()));

    // Until the documents exist their commands stay disabled; the shell's own work.
    for (int id : {cmd::kAutotestsDownload, cmd::kAutotestsOpen, cmd::kGraphsDownload, cmd::kGraphsOpen,
                   cmd::kStandardsDownload, cmd::kStandardsOpen, cmd::kFileOpen, cmd::kFileSave, cmd::kFilePrint,
                   cmd::kFilePrintPreview, cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditUndo})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    for (int id : {cmd::kIdentifyTester, cmd::kPrintHeader, cmd::kStartingHelper, cmd::kAppAbout, cmd::kAppExit,
                   cmd::kFilePrintSetup})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->action(cmd::kFileOpen)->shortcuts().contains(QKeySequence("Ctrl+O")));
    EXPECT_TRUE(frame->action(cmd::kEditCopy)->shortcuts().contains(QKeySequence("Ctrl+Ins")));
    EXPECT_TRUE(frame->action(cmd::kViewToolbar)->isChecked());

    frame->resize(1024, 700);
    saveScreenshot(frame, QStringLiteral("main_window"));
}

TEST_F(Startup, HelperShownUntilItsBoxIsTicked) {
    bool helperShown = false;
    {
        CQuilletApp app(environment());
        onNextModal(&app, [&](QWidget *modal) {
            auto *helper = qobject_cast<CStartHelperDlg *>(modal);
            ASSERT_NE(helper, nullptr);
            helperShown = true;
            EXPECT_EQ(helper->windowTitle(), "What do you want to do?");
            EXPECT_EQ(helper->choices()->checkedId(), 0);
            saveScreenshot(helper, QStringLiteral("starting_helper"));
            helper->dontShowBox()->click();  // closes it at once, as cancelled
        });
        ASSERT_TRUE(app.initInstance({}));
        ASSERT_TRUE(waitUntil([&] { return helperShown && !QApplication::activeModalWidget(); }));
        EXPECT_EQ(Profile().readInt("Start", "Assist", -1), 0);
    }
    CQuilletApp again(environment());
    bool shownAgain = false;
    onNextModal(&again, [&](QWidget *modal) {
        shownAgain = true;
        modal->close();
    });
    ASSERT_TRUE(again.initInstance({}));
    waitUntil([] { return false; }, 300);
    EXPECT_FALSE(shownAgain);
}

TEST_F(Startup, HelperCancelledKeepsShowingIt) {
    Profile().writeInt("Start", "Assist", 0);
    CQuilletApp app(environment());
    ASSERT_TRUE(app.initInstance({}));
    bool done = false;
    onNextModal(&app, [&](QWidget *modal) {
        qobject_cast<QDialog *>(modal)->reject();
        done = true;
    });
    app.mainFrame()->runCommand(cmd::kStartingHelper);
    ASSERT_TRUE(done);
    EXPECT_EQ(Profile().readInt("Start", "Assist", -1), 1);
}

// OK posts the chosen command to the main window: the two downloads reach
// their document types, the two opens show their type's file prompt.
TEST_F(Startup, HelperChoicesPostTheirCommands) {
    disableHelper();
    CQuilletApp app(environment());
    auto *autotests = new RecordingFactory;
    auto *graphs = new RecordingFactory;
    app.autotestTemplate().setFactory(std::unique_ptr<DocumentFactory>(autotests));
    app.graphTemplate().setFactory(std::unique_ptr<DocumentFactory>(graphs));
    ASSERT_TRUE(app.initInstance({}));

    struct Choice {
        int button;
        int autotestDownloads;
        int graphDownloads;
        const char *filePrompt;  // filter of the file prompt, if one shows
    };
    const Choice choices[] = {{0, 1, 0, nullptr},
                              {1, 1, 1, nullptr},
                              {2, 1, 1, "Autotest Files (*.tat)"},
                              {3, 1, 1, "Graph Files (*.frt)"}};
    for (const Choice &choice : choices) {
        SCOPED_TRACE(choice.button);
        QString filter;
        onNextModal(&app, [&](QWidget *modal) {
            auto *helper = qobject_cast<CStartHelperDlg *>(modal);
            ASSERT_NE(helper, nullptr);
            helper->choices()->button(choice.button)->click();
            helper->accept();
            if (!choice.filePrompt) return;
            onNextModal(&app, [&](QWidget *shown) {
                auto *files = qobject_cast<QFileDialog *>(shown);
                ASSERT_NE(files, nullptr);
                filter = files->nameFilters().join(';');
                files->reject();
            });
        });
        app.mainFrame()->runCommand(cmd::kStartingHelper);
        ASSERT_TRUE(waitUntil([&] {
            return autotests->downloads == choice.autotestDownloads && graphs->downloads == choice.graphDownloads &&
                   (!choice.filePrompt || !filter.isEmpty());
        }));
        if (choice.filePrompt) {
            EXPECT_EQ(filter, choice.filePrompt);
        }
    }
    EXPECT_TRUE(app.mainFrame()->mdiArea()->subWindowList().isEmpty());
}

TEST_F(Startup, TestBuildWarnsInFrench) {
    disableHelper();
    prompt.expect(MessageResult::Ok);
    CQuilletApp app(environment("Z.04"));
    ASSERT_TRUE(app.initInstance({}));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              "Attention!\nCette version (Z.04) de l'application est une version de test non diffus\xC3\xA9" "e.");
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompt.shown[0].buttons, MessageButtons::Ok);
}

TEST_F(Startup, FileOnTheCommandLineOpensWithoutWarningOrHelper) {
    CQuilletApp app(environment("Z.04"));  // Assist absent: the helper would show
    auto *autotests = new RecordingFactory;
    app.autotestTemplate().setFactory(std::unique_ptr<DocumentFactory>(autotests));
    bool modalShown = false;
    onNextModal(&app, [&](QWidget *modal) {
        modalShown = true;
        modal->close();
    });
    ASSERT_TRUE(app.initInstance({"/data/site.TAT"}));
    waitUntil([] { return false; }, 300);
    EXPECT_FALSE(modalShown);
    EXPECT_EQ(autotests->opened, QStringList{"/data/site.TAT"});
    EXPECT_EQ(app.mainFrame()->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(app.mainFrame()->windowTitle(), "Quillet - [/data/site.TAT]");
    EXPECT_EQ(app.mainFrame()->recentFiles(), QStringList{"/data/site.TAT"});
    EXPECT_EQ(Profile().readString("Recent File List", "File1"), "/data/site.TAT");
}

TEST_F(Startup, FileOfNoKnownTypeEndsTheStart) {
    prompt.expect(MessageResult::Ok);
    CQuilletApp app(environment());
    EXPECT_FALSE(app.initInstance({"/data/notes.txt"}));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Failed to open document.");
}

}  // namespace
}  // namespace quillet::test
