// Downloads from the simulated tester into site windows: the demo unit
// downloaded, saved, reopened and exported as quillet-cli exports it, a
// second download grouped into the file, the listing of sparse slots, and
// a link that drops during the transfer.
#include <QProcess>
#include <algorithm>

#include "autotest_fixture.h"
#include "command_ids.h"
#include "test_command_ids.h"
#include "three_buttons_dlg.h"

namespace quillet::test {
namespace {

using Download = AutotestWindows;

QByteArray contentOf(const QString &file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

TEST_F(Download, DemoUnitIntoWindowsSavedReopenedExportedAndGrouped) {
    startTester();
    startProgram();
    chooser.answers = {chooseAll(false), chooseRows({0, 1})};
    run(cmd::kAutotestsDownload);
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[0].mode, SelectionMode::Transfer);
    EXPECT_EQ(chooser.requests[0].lines.size(), 6u);
    EXPECT_EQ(chooser.requests[1].mode, SelectionMode::Display);
    ASSERT_EQ(frames().size(), 2u);
    autotest::CTestDoc &download = frames()[0]->document();
    EXPECT_EQ(download.title(), "Test1");
    EXPECT_EQ(download.sites().size(), 6u);
    EXPECT_TRUE(download.isModified());
    EXPECT_FALSE(TorvikCommIsOpen());
    EXPECT_EQ(frames()[0]->windowTitle().toStdString(), "Test1:" + download.sites()[0].name);

    // Save proposes the title as a file name and asks nothing for a new file.
    mainFrame()->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(frames()[0]->parentWidget()));
    savePaths = {path("demo.tat")};
    run(cmd::kFileSave);
    EXPECT_EQ(fileRequests.back().proposed, "Test1.tat");
    EXPECT_EQ(download.path(), path("demo.tat"));
    EXPECT_FALSE(download.isModified());
    EXPECT_EQ(readSites(path("demo.tat")).size(), 6u);
    for (autotest::CTestFrame *frame : frames()) frame->parentWidget()->close();
    settle();
    ASSERT_TRUE(frames().empty());

    // Reopened: the window of the first site, every plug detailed, exports
    // byte for byte what quillet-cli exports of it.
    chooser.answers = {chooseRows({0})};
    ASSERT_TRUE(app->openDocumentFile(path("demo.tat")));
    ASSERT_EQ(frames().size(), 1u);
    frames()[0]->parentWidget()->resize(1200, 800);
    saveScreenshot(frames()[0], "demo_site_window");
    run(cmd::kDetailAll);
    saveScreenshot(frames()[0], "demo_site_window_detailed");
    savePaths = {path("window.txt")};
    run(cmd::kExport);
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(QUILLET_CLI), {"export", path("demo.tat"), path("cli.txt"), "--site", "1", "--detail", "all"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QByteArray window = contentOf(path("window.txt"));
    EXPECT_GT(window.size(), 1000);
    EXPECT_EQ(window, contentOf(path("cli.txt")));

    // A second download of the first site, saved after the transfer and
    // grouped into the file: the site's plugs are replaced by the same ones.
    const auto before = readSites(path("demo.tat"));
    chooser.answers = {chooseRows({0}, {}, true), chooseRows({0})};
    savePaths = {path("demo.tat")};
    threeButtons = {C3ButtonsDlg::kButton1};
    prompt.expect(MessageResult::Yes);
    run(cmd::kAutotestsDownload);
    settle();
    EXPECT_EQ(readSites(path("demo.tat")), before);
    ASSERT_EQ(frames().size(), 2u) << "the file opened once more, the download closed";
    for (autotest::CTestFrame *frame : frames()) EXPECT_EQ(frame->document().path(), path("demo.tat"));
}

TEST_F(Download, ListsOnlySlotsWithTestedPlugsNumberedFromOne) {
    torvik::sim::Unit unit = torvik::sim::demoUnit();
    torvik::sim::Site site = *unit.sites[0];
    unit.sites.assign(8, std::nullopt);
    auto withPlugs = [&site](std::size_t count) {
        torvik::sim::Site copy = site;
        copy.plugs.resize(count, site.plugs.front());
        return copy;
    };
    unit.sites[0] = withPlugs(12);
    unit.sites[3] = withPlugs(0);
    unit.sites[7] = withPlugs(5);
    startTester(unit);
    startProgram();
    chooser.answers = {cancelSelection()};
    run(cmd::kAutotestsDownload);
    ASSERT_EQ(chooser.requests.size(), 1u);
    const auto &lines = chooser.requests[0].lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 3), "01\t");
    EXPECT_NE(lines[0].find("\t12\t"), std::string::npos);
    EXPECT_EQ(lines[1].substr(0, 3), "08\t");
    EXPECT_NE(lines[1].find("\t5\t"), std::string::npos);
    EXPECT_TRUE(frames().empty());
    EXPECT_FALSE(TorvikCommIsOpen());
}

TEST_F(Download, DroppedLinkReportsTheSiteClosesTheLinkAndOpensNothing) {
    startTester();
    startProgram();
    chooser.answers = {[this](const SelectionRequest &request) {
        torvik::sim::Faults faults;
        faults.dropAfterCommand = "SECT?";
        tester->setFaults(faults);
        return chooseRows({0})(request);
    }};
    lenient.acceptAny = true;
    run(cmd::kAutotestsDownload);
    const bool reported = std::any_of(prompt.shown.begin(), prompt.shown.end(), [](const ShownMessage &shown) {
        return shown.text.rfind("Unable to read site \"", 0) == 0;
    });
    EXPECT_TRUE(reported);
    EXPECT_FALSE(TorvikCommIsOpen());
    EXPECT_TRUE(frames().empty());
    EXPECT_TRUE(documents->documents().empty());
}

}  // namespace
}  // namespace quillet::test
