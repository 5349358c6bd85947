// What the site-window tests share: the program started offscreen with its
// autotest documents, scripted selection, file and three-button answers in
// place of the dialogs, hand-made ".tat" files, and the simulated tester.
#pragma once

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

#include "autotest_file.h"
#include "comm_params.h"
#include "main_frame.h"
#include "profile_settings.h"
#include "quillet_app.h"
#include "serial_devices.h"
#include "shell_fixture.h"
#include "simulator.h"
#include "site.h"
#include "test_doc.h"
#include "test_doc_template.h"
#include "test_frame.h"
#include "test_view.h"
#include "torvlink.h"

namespace quillet::test {

using Answer = std::function<std::optional<SelectionResult>(const SelectionRequest &)>;

inline Answer chooseAll(bool saveAfterTransfer = false) {
    return [saveAfterTransfer](const SelectionRequest &request) {
        SelectionResult result;
        result.chosen = request.lines;
        result.saveAfterTransfer = saveAfterTransfer;
        return std::optional<SelectionResult>(result);
    };
}

// The lines of the given rows (0-based); `deleted` go to the deletion list.
inline Answer chooseRows(std::vector<std::size_t> rows, std::vector<std::size_t> deleted = {},
                         bool saveAfterTransfer = false) {
    return [=](const SelectionRequest &request) {
        SelectionResult result;
        for (std::size_t row : rows) result.chosen.push_back(request.lines.at(row));
        for (std::size_t row : deleted) result.deleted.push_back(request.lines.at(row));
        result.saveAfterTransfer = saveAfterTransfer;
        return std::optional<SelectionResult>(result);
    };
}

inline Answer cancelSelection() {
    return [](const SelectionRequest &) { return std::optional<SelectionResult>(); };
}

class ScriptedChooser : public SelectionChooser {
public:
    std::optional<SelectionResult> choose(const SelectionRequest &request) override {
        requests.push_back(request);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected selection dialog";
            return std::nullopt;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer(request);
    }

    std::vector<SelectionRequest> requests;
    std::deque<Answer> answers;
};

// The recorder, or - for the library's own messages, whose number depends
// on time-outs - any message answered OK and recorded.
class LenientPrompt : public UserPrompt {
public:
    explicit LenientPrompt(RecordingPrompt &recorder) : recorder_(recorder) {}
    MessageResult show(const std::string &caption, const std::string &text, MessageIcon icon,
                       MessageButtons buttons) override {
        if (!acceptAny) return recorder_.show(caption, text, icon, buttons);
        recorder_.shown.push_back({caption, text, icon, buttons});
        return MessageResult::Ok;
    }
    bool acceptAny = false;

private:
    RecordingPrompt &recorder_;
};

class AutotestWindows : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Profile().writeInt("Start", "Assist", 0);
        ASSERT_TRUE(folder.isValid());
    }

    void TearDown() override {
        if (app) {
            // Nothing is left to ask about when the program ends.
            for (autotest::CTestDoc *doc : documents->documents()) doc->setModified(false);
            app.reset();
        }
        TorvikCommClose();
        TorvlinkSetPortDevice(1, nullptr);
        if (tester) tester->stop();
        EXPECT_TRUE(chooser.answers.empty()) << "an expected selection dialog never came";
        EXPECT_TRUE(savePaths.empty()) << "an expected file dialog never came";
        EXPECT_TRUE(threeButtons.empty()) << "an expected three-button question never came";
        ShellTest::TearDown();
    }

    // The simulated tester as port 1 of the program.
    void startTester(torvik::sim::Unit unit = torvik::sim::demoUnit()) {
        tester = std::make_unique<torvik::sim::Simulator>(std::move(unit));
        std::string error;
        ASSERT_TRUE(tester->start(&error)) << error;
        Profile().writeString(kCommSection, QString::fromStdString(portDeviceKey(1)),
                              QString::fromStdString(tester->devicePath()));
        Profile().writeString(kCommSection, "Parameters", "1,115200,n,8,1,n");
    }

    void startProgram(const QStringList &arguments = {}) {
        AppEnvironment env;
        env.prompt = &lenient;
        app = std::make_unique<CQuilletApp>(env);
        documents = &autotest::registerAutotestDocuments(*app, [this](autotest::AutotestEnvironment &adjusted) {
            adjusted.chooser = &chooser;
            adjusted.chooseSaveFile = [this](const autotest::FileRequest &request) {
                fileRequests.push_back(request);
                if (savePaths.empty()) {
                    ADD_FAILURE() << "unexpected file dialog " << request.caption.toStdString();
                    return QString();
                }
                const QString path = savePaths.front();
                savePaths.pop_front();
                return path;
            };
            adjusted.askThreeButtons = [this](const QString &caption, const QString &message,
                                              const std::array<QString, 3> &buttons) {
                threeButtonQuestions.push_back({caption, message, buttons[0]});
                if (threeButtons.empty()) {
                    ADD_FAILURE() << "unexpected three-button question " << message.toStdString();
                    return 2;
                }
                const int answer = threeButtons.front();
                threeButtons.pop_front();
                return answer;
            };
        });
        ASSERT_TRUE(app->initInstance(arguments));
    }

    CMainFrame *mainFrame() const { return app->mainFrame(); }
    void run(int command) { mainFrame()->runCommand(command); }

    std::vector<autotest::CTestFrame *> frames() const {
        std::vector<autotest::CTestFrame *> shown;
        for (QMdiSubWindow *window : mainFrame()->mdiArea()->subWindowList()) {
            if (auto *frame = qobject_cast<autotest::CTestFrame *>(window->widget())) shown.push_back(frame);
        }
        return shown;
    }

    // Lets posted closes and deletions happen.
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    static void writeFile(const QString &file, std::vector<model::CSite> sites, const std::string &comment = {}) {
        model::AutotestFile<model::CSite> document;
        document.comment = comment;
        document.sites = std::move(sites);
        ASSERT_TRUE(model::saveAutotestFile(QFile::encodeName(file).toStdString(), document));
    }

    static std::vector<model::CSite> readSites(const QString &file) {
        auto loaded = model::loadAutotestFile<model::CSite>(QFile::encodeName(file).toStdString());
        EXPECT_TRUE(loaded.ok());
        return loaded.ok() ? loaded.value().sites : std::vector<model::CSite>{};
    }

    struct Question {
        QString caption, message, firstButton;
    };

    LenientPrompt lenient{prompt};
    QTemporaryDir folder;
    std::unique_ptr<torvik::sim::Simulator> tester;
    std::unique_ptr<CQuilletApp> app;
    autotest::CTestDocTemplate *documents = nullptr;
    ScriptedChooser chooser;
    std::deque<QString> savePaths;
    std::vector<autotest::FileRequest> fileRequests;
    std::deque<int> threeButtons;
    std::vector<Question> threeButtonQuestions;
};

}  // namespace quillet::test
