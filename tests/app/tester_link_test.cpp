// The shell against the simulated tester: identification from the menu,
// the retry with another port, the minimum-version check, the link pane and
// the library's own messages.
#include <QMenuBar>
#include <QMessageBox>
#include <memory>

#include <QFileInfo>

#include "comm_params_dlg.h"
#include "cp1252.h"
#include "comm_setup.h"
#include "command_ids.h"
#include "main_frame.h"
#include "message_prompt.h"
#include "profile.h"
#include "quillet_app.h"
#include "shell_fixture.h"
#include "simulator.h"
#include "status_panes.h"
#include "tester_link.h"
#include "torvlink.h"

namespace quillet::test {
namespace {

constexpr const char *kMissingDevice = "/nonexistent/ttyQUILLET";

const std::string kIdentification =
    "Port:\n  COM1, 38400 Bds\n\nTester:\n  TORVIK, NrT0412345, vD.05\n\nUser:\n  J.SMITH, NORDKABEL";

class TesterLink : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Profile().writeInt("Start", "Assist", 0);
    }
    void TearDown() override {
        TorvikCommClose();
        for (int port = 1; port <= 4; ++port) TorvlinkSetPortDevice(port, nullptr);
        removeLinkHooks();
        if (tester_) tester_->stop();
        ShellTest::TearDown();
    }

    std::string startTester(torvik::sim::Unit unit = torvik::sim::demoUnit()) {
        tester_ = std::make_unique<torvik::sim::Simulator>(std::move(unit));
        std::string error;
        EXPECT_TRUE(tester_->start(&error)) << error;
        return tester_->devicePath();
    }

    TesterLinkContext context(const std::string &version = "D.06", PortChooser choose = {}) {
        return {prompt, std::move(choose), version};
    }

    // A QAction of the menu bar found by its menu text, as a user finds it.
    static QAction *menuCommand(CMainFrame *frame, const QString &text) {
        for (QAction *top : frame->menuBar()->actions()) {
            for (QAction *item : top->menu()->actions()) {
                if (item->text() == text) return item;
            }
        }
        return nullptr;
    }

    std::unique_ptr<torvik::sim::Simulator> tester_;
};

TEST_F(TesterLink, IdentifyFromTheMenuShowsTheTesterAndItsUser) {
    Profile().writeString(kCommSection, "Device1", QString::fromStdString(startTester()));
    AppEnvironment env;
    env.prompt = &prompt;
    CQuilletApp app(env);
    ASSERT_TRUE(app.initInstance({}));  // hands Device1 to the library
    QAction *identify = menuCommand(app.mainFrame(), "&Identify connected tester...");
    ASSERT_NE(identify, nullptr);
    ASSERT_TRUE(identify->isEnabled());

    prompt.expect(MessageResult::Ok);
    identify->trigger();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Identifying the connected tester");
    EXPECT_EQ(prompt.shown[0].text, kIdentification);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(TorvikCommIsOpen());
    EXPECT_EQ(Profile().readString(kCommSection, kCommKey), "1,38400,n,8,1,n");
    EXPECT_FALSE(app.mainFrame()->statusPanes()->linkPaneEnabled());

    std::unique_ptr<QMessageBox> box(makeMessageBox(nullptr, fromUtf8(prompt.shown[0].caption),
                                                    fromUtf8(prompt.shown[0].text), prompt.shown[0].icon,
                                                    prompt.shown[0].buttons));
    box->adjustSize();
    saveScreenshot(box.get(), QStringLiteral("identification_message"));
}

TEST_F(TesterLink, IdentifyFailureClosesTheLinkAndSaysSo) {
    TorvlinkSetPortDevice(1, kMissingDevice);
    prompt.expect(MessageResult::No);  // do not change the parameters
    prompt.expect(MessageResult::Ok);
    identifyTester(context());
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(prompt.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompt.shown[0].text,
              "Unable to communicate with the tester!\n\nPlease check if:\n. The Measuring Unit is on,\n"
              ". The Measuring Unit is NOT connected to the Remote Unit.\n\n"
              "Otherwise, do you want to modify the communication parameters?");
    EXPECT_EQ(prompt.shown[1].text, "Unable to read tester information");
    EXPECT_EQ(prompt.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(TorvikCommIsOpen());
}

TEST_F(TesterLink, StoredParametersOpenThePortTheyName) {
    TorvlinkSetPortDevice(3, startTester().c_str());
    Profile().writeString(kCommSection, kCommKey, "3,9600,e,7,2,n");
    ASSERT_TRUE(openTesterLink(context()));
    EXPECT_STREQ(TorvikCommGetPort(), "COM3");
    EXPECT_EQ(TorvikCommGetRate(), 9600);
    TorvikCommClose();
    // Rewritten after the opening in the same form, readable by the command-line tool.
    EXPECT_EQ(readProfileString(profilePath(), kCommSection, kCommKey), "3,9600,e,7,2,n");
}

TEST_F(TesterLink, PortChosenAfterAFailureBecomesTheDefault) {
    TorvlinkSetPortDevice(1, kMissingDevice);
    TorvlinkSetPortDevice(2, startTester().c_str());
    prompt.expect(MessageResult::Yes);
    int offered = 0;
    ASSERT_TRUE(openTesterLink(context("D.06", [&](int current) {
        offered = current;
        return std::optional<int>(2);
    })));
    EXPECT_EQ(offered, 1);
    EXPECT_STREQ(TorvikCommGetPort(), "COM2");
    EXPECT_EQ(Profile().readString(kCommSection, kCommKey), "2,38400,n,8,1,n");
}

TEST_F(TesterLink, PortDialogChoosesPortAndDevice) {
    Profile().writeString(kCommSection, "Device1", kMissingDevice);
    const std::string device = startTester();
    AppEnvironment env;
    env.prompt = &prompt;
    CQuilletApp app(env);
    ASSERT_TRUE(app.initInstance({}));
    prompt.expect(MessageResult::Yes);
    onNextModal(&app, [&](QWidget *modal) {
        auto *dialog = qobject_cast<CCommParamsDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Communication Parameters");
        EXPECT_EQ(dialog->value(), 0);
        EXPECT_EQ(dialog->device(1), kMissingDevice);
        saveScreenshot(dialog, QStringLiteral("communication_parameters"));
        dialog->setValue(1);
        dialog->setDevice(2, QString::fromStdString(device));
        dialog->accept();
    });
    ASSERT_TRUE(openTesterLink(app.linkContext()));
    EXPECT_STREQ(TorvikCommGetPort(), "COM2");
    EXPECT_EQ(Profile().readString(kCommSection, "Device2").toStdString(), device);
    EXPECT_EQ(effectivePortDevice(2).toStdString(), device);
    EXPECT_EQ(Profile().readString(kCommSection, kCommKey), "2,38400,n,8,1,n");
}

TEST_F(TesterLink, HandWrittenParametersWithBareCommasReadWhole) {
    TorvlinkSetPortDevice(2, startTester().c_str());
    {
        QFile ini(Profile().fileName());
        QDir().mkpath(QFileInfo(ini).path());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[CommunicationD01]\nParameters=2,19200,n,8,1,n\n");
    }
    const CommParams p = readCommParameters();
    EXPECT_EQ(p.port, 2);
    EXPECT_EQ(p.rate, 19200);
    ASSERT_TRUE(openTesterLink(context()));
    EXPECT_EQ(Profile().readString(kCommSection, kCommKey), "2,19200,n,8,1,n");
}

struct VersionCase {
    const char *own;
    const char *releaseMinimum;
    const char *testMinimum;
    bool warned;
};

class MinimumVersion : public TesterLink, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(MinimumVersion, OlderProgramIsWarnedAndMayStop) {
    const VersionCase &c = GetParam();
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    unit.minVer = c.releaseMinimum;
    unit.minVerZ = c.testMinimum;
    TorvlinkSetPortDevice(1, startTester(unit).c_str());
    for (const MessageResult answer : {MessageResult::Ok, MessageResult::Cancel}) {
        if (c.warned) prompt.expect(answer);
        const bool open = openTesterLink(context(c.own));
        EXPECT_EQ(open, !c.warned || answer == MessageResult::Ok);
        EXPECT_EQ(TorvikCommIsOpen() != 0, open);
        TorvikCommClose();
    }
    if (!c.warned) return;
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].text, std::string("In order to get the whole data of TORVIK, you need to install a "
                                                "newer version of Quillet (") +
                                        c.releaseMinimum + ")");
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompt.shown[0].buttons, MessageButtons::OkCancel);
}

INSTANTIATE_TEST_SUITE_P(Tester, MinimumVersion,
                         ::testing::Values(VersionCase{"B.12", "A.00", "Z.00", false},
                                           VersionCase{"B.12", "C.00", "Z.00", true},
                                           VersionCase{"Z.03", "A.00", "Z.05", true},
                                           VersionCase{"Z.06", "C.00", "Z.05", false}));

TEST_F(TesterLink, LinkPaneShowsPortAndRateWhileOpen) {
    AppEnvironment env;
    env.prompt = &prompt;
    CQuilletApp app(env);
    ASSERT_TRUE(app.initInstance({}));
    TorvlinkSetPortDevice(2, startTester().c_str());
    CStatusPanes *panes = app.mainFrame()->statusPanes();
    EXPECT_EQ(panes->linkText(), "");
    ASSERT_EQ(TorvikCommOpen(2, 19200, 'n', 8, 1, 'n'), 0);
    ASSERT_TRUE(waitUntil([&] { return panes->linkText() == "COM2:19200"; }));
    EXPECT_TRUE(panes->linkPaneEnabled());
    TorvikCommClose();
    ASSERT_TRUE(waitUntil([&] { return panes->linkText().isEmpty(); }));
    EXPECT_FALSE(panes->linkPaneEnabled());
    app.mainFrame()->setPositionText(QStringLiteral("123456789012"));
    EXPECT_EQ(panes->positionText(), "1234567890");
}

TEST_F(TesterLink, LibraryMessagesComeDecodedWithTheirIcon) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    TorvlinkSetPortDevice(1, startTester(unit).c_str());
    installLinkHooks(prompt);
    ASSERT_EQ(TorvikCommOpen(1, 38400, 'n', 8, 1, 'n'), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the busy periods are balanced
    torvik::sim::Faults faults;
    faults.errorAfterCommand = "PP?";
    faults.errorAfter = {27, "Param\x8Atre invalide"};  // the tester's code page: 0x8A is e grave
    tester_->setFaults(faults);
    ASSERT_EQ(TorvikOutput("PP?"), 0);
    char reply[64];
    ASSERT_EQ(TorvikInput(reply, sizeof reply, 3), 0);
    prompt.expect(MessageResult::Ok);
    EXPECT_EQ(TorvikCheckError(1), 27);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Torvlink");
    EXPECT_NE(prompt.shown[0].text.find("Param\xC3\xA8tre invalide"), std::string::npos) << prompt.shown[0].text;
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace quillet::test
