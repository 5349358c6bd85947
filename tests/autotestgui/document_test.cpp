// The autotest document in the program: opening files (one site at once,
// several through the display choice, deleting sites, files that are not
// autotest files or are cut short), Save As onto an existing file with
// GROUP, REPLACE and another name, the comment preview of the Open dialog,
// and the question before a modified document closes.
#include <QFile>
#include <QLineEdit>

#include "autotest_fixture.h"
#include "command_ids.h"
#include "hand_made_site.h"
#include "open_file_dlg.h"
#include "three_buttons_dlg.h"

namespace quillet::test {
namespace {

struct PlugSpec {
    std::string id;
    std::uint32_t time;
};

model::CSite siteOf(const std::string &name, const std::vector<PlugSpec> &plugs, std::uint32_t time = 1000000000) {
    model::CSite site = testing::copperSite();
    site.name = name;
    site.testTime = time;
    for (const PlugSpec &spec : plugs) {
        model::CPrise plug;
        plug.plugId = spec.id;
        plug.testTime = spec.time;
        plug.resultType = 5;
        site.plugs.push_back(plug);
    }
    return site;
}

std::vector<std::string> idsAndTimes(const model::CSite &site) {
    std::vector<std::string> out;
    for (const auto &plug : site.plugs) out.push_back(plug.plugId + "@" + std::to_string(plug.testTime));
    return out;
}

using Documents = AutotestWindows;

TEST_F(Documents, FileOfOneSiteOpensWithoutAskingAndTitlesItsWindow) {
    writeFile(path("one.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    startProgram({path("one.tat")});
    ASSERT_EQ(frames().size(), 1u);
    EXPECT_EQ(frames()[0]->windowTitle(), "one.tat:ROOM1");
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_EQ(mainFrame()->recentFiles().value(0), path("one.tat"));
    EXPECT_FALSE(mainFrame()->action(cmd::kFileSave)->isEnabled());
}

TEST_F(Documents, FileOfSeveralSitesAsksWhichToDisplayAndMayDeleteSome) {
    writeFile(path("three.tat"),
              {siteOf("ROOM1", {{"A1", 1}}), siteOf("ROOM2", {{"B1", 1}, {"B2", 2}}), siteOf("ROOM3", {{"C1", 1}})});
    startProgram();
    chooser.answers.push_back(chooseRows({2}, {0}));
    ASSERT_TRUE(app->openDocumentFile(path("three.tat")));

    ASSERT_EQ(chooser.requests.size(), 1u);
    const SelectionRequest &request = chooser.requests[0];
    EXPECT_EQ(request.mode, SelectionMode::Display);
    EXPECT_EQ(request.fileName, "three.tat");
    ASSERT_EQ(request.lines.size(), 3u);
    EXPECT_EQ(request.lines[1].substr(0, 11), "02\tROOM2\t2\t");
    // ROOM1 deleted from the document: ROOM3 is now its second site.
    ASSERT_EQ(frames().size(), 1u);
    EXPECT_EQ(frames()[0]->windowTitle(), "three.tat:ROOM3");
    EXPECT_EQ(frames()[0]->document().sites().size(), 2u);
    EXPECT_TRUE(frames()[0]->document().isModified());
    EXPECT_EQ(readSites(path("three.tat")).size(), 3u) << "the file changes only when saved";
}

TEST_F(Documents, CancelledDisplayChoiceOpensNothing) {
    writeFile(path("two.tat"), {siteOf("ROOM1", {{"A1", 1}}), siteOf("ROOM2", {{"B1", 1}})});
    startProgram();
    chooser.answers.push_back(cancelSelection());
    EXPECT_FALSE(app->openDocumentFile(path("two.tat")));
    EXPECT_TRUE(frames().empty());
    EXPECT_TRUE(documents->documents().empty());
}

TEST_F(Documents, FilesThatCannotBeReadOpenNothingAndLeaveOpenDocumentsAlone) {
    writeFile(path("good.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    QFile graph(path("graph.tat"));
    ASSERT_TRUE(graph.open(QIODevice::WriteOnly));
    // An archive string: its length byte, then the header of a graph document.
    const QByteArray header("Application Quillet\tvD.06\tDocument Graphique");
    graph.write(QByteArray(1, static_cast<char>(header.size())) + header);
    graph.close();
    QFile good(path("good.tat"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray whole = good.readAll();
    QFile cut(path("cut.tat"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() - 40));
    cut.close();

    startProgram({path("good.tat")});
    ASSERT_EQ(frames().size(), 1u);
    struct Case {
        const char *file;
        const char *expected;
    };
    for (const Case &c : {Case{"graph.tat", "The application can't read its data."}, Case{"cut.tat", "byte"},
                          Case{"missing.tat", ""}}) {
        SCOPED_TRACE(c.file);
        prompt.expect(MessageResult::Ok);
        EXPECT_FALSE(app->openDocumentFile(path(c.file)));
        ASSERT_FALSE(prompt.shown.empty());
        const std::string &text = prompt.shown.back().text;
        EXPECT_EQ(text.rfind("Unable to read the file \"" + path(c.file).toStdString() + "\".\n", 0), 0u) << text;
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        EXPECT_EQ(prompt.shown.back().icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(frames().size(), 1u);
    EXPECT_EQ(documents->documents().size(), 1u);
}

TEST_F(Documents, OpenDialogPreviewsTheCommentAndSitesWithoutLoadingThem) {
    setenv("TZ", "UTC", 1);
    tzset();
    writeFile(path("b4.tat"), {siteOf("ROOM1", {{"A1", 1}}, 984441600), siteOf("ROOM2", {{"B1", 1}}, 984614400)},
              "Building 4");
    EXPECT_EQ(autotest::autotestPreviewText(path("b4.tat")), "Building 4. Sites: ROOM1(13/03/01), ROOM2(15/03/01)");
    writeFile(path("bare.tat"), {siteOf("ROOM1", {{"A1", 1}}, 984441600)});
    EXPECT_EQ(autotest::autotestPreviewText(path("bare.tat")), "Sites: ROOM1(13/03/01)");
    EXPECT_EQ(autotest::autotestPreviewText(path("nothing.tat")), "");
}

// GROUP into a file that holds ROOM1 (A1 at 100, A2 at 300): the document's
// ROOM1 brings A1 and A2 at 200 and a new A3, and Room1 differs in case.
struct GroupCase {
    const char *name;
    MessageResult answer;
    std::vector<std::string> room1;
};

TEST_F(Documents, SaveAsGroupMergesSameNamedSitesOnYesAndKeepsThemOnNo) {
    for (const GroupCase &c :
         {GroupCase{"yes", MessageResult::Yes, {"A1@200", "A2@300", "A3@200"}},
          GroupCase{"no", MessageResult::No, {"A1@100", "A2@300"}}}) {
        SCOPED_TRACE(c.name);
        const QString target = path(QString("target-%1.tat").arg(c.name));
        const QString source = path(QString("source-%1.tat").arg(c.name));
        writeFile(target, {siteOf("ROOM1", {{"A1", 100}, {"A2", 300}})}, "kept comment");
        writeFile(source, {siteOf("ROOM1", {{"A1", 200}, {"A2", 200}, {"A3", 200}}), siteOf("Room1", {{"X", 1}})});
        if (!app) startProgram();
        chooser.answers.push_back(chooseAll());  // the source's two sites
        ASSERT_TRUE(app->openDocumentFile(source));
        autotest::CTestDoc &doc = frames().back()->document();

        savePaths.push_back(target);
        threeButtons.push_back(C3ButtonsDlg::kButton1);
        prompt.expect(c.answer);
        chooser.answers.push_back(chooseAll());  // the grouped file shows its two sites
        EXPECT_EQ(doc.saveAs(), autotest::SaveOutcome::Grouped);
        EXPECT_EQ(prompt.shown.back().text,
                  "Destination file already have data for the site \"ROOM1\".\nDo you want to replace this site "
                  "data with most recent data ?");
        EXPECT_EQ(threeButtonQuestions.back().message.toStdString(),
                  "File \"" + QFileInfo(target).fileName().toStdString() + "\" already exists.");
        EXPECT_EQ(threeButtonQuestions.back().firstButton, "&GROUP data into this file");

        const auto sites = readSites(target);
        ASSERT_EQ(sites.size(), 2u);
        EXPECT_EQ(idsAndTimes(sites[0]), c.room1);
        EXPECT_EQ(sites[1].name, "Room1");
        settle();
        // The grouped file is open; the document that was grouped closed.
        for (autotest::CTestFrame *frame : frames()) EXPECT_EQ(frame->document().path(), target);
        for (autotest::CTestFrame *frame : frames()) frame->parentWidget()->close();
        settle();
    }
}

TEST_F(Documents, SaveAsReplaceAnotherNameAndCancel) {
    writeFile(path("a.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    writeFile(path("b.tat"), {siteOf("OTHER", {{"B1", 1}})});
    startProgram({path("a.tat")});
    autotest::CTestDoc &doc = frames()[0]->document();

    // ANOTHER name, then the dialog again on the same name, then REPLACE.
    savePaths = {path("b.tat"), path("b.tat")};
    threeButtons = {C3ButtonsDlg::kButton3, C3ButtonsDlg::kButton2};
    EXPECT_EQ(doc.saveAs(), autotest::SaveOutcome::Saved);
    EXPECT_EQ(fileRequests.back().proposed, path("b.tat"));
    EXPECT_EQ(readSites(path("b.tat"))[0].name, "ROOM1");
    EXPECT_EQ(doc.path(), path("b.tat"));
    EXPECT_EQ(frames()[0]->windowTitle(), "b.tat:ROOM1");

    // A new name asks nothing and gets the extension.
    savePaths = {path("c")};
    EXPECT_EQ(doc.saveAs(), autotest::SaveOutcome::Saved);
    EXPECT_EQ(doc.path(), path("c.tat"));

    savePaths = {QString()};
    EXPECT_EQ(doc.saveAs(), autotest::SaveOutcome::Cancelled);
}

TEST_F(Documents, FailedReplaceKeepsTheOldFileAndTheDocumentsPath) {
    writeFile(path("a.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    startProgram({path("a.tat")});
    autotest::CTestDoc &doc = frames()[0]->document();
    savePaths = {path("no/such/folder/x.tat")};
    prompt.expect(MessageResult::Ok);
    EXPECT_EQ(doc.saveAs(), autotest::SaveOutcome::Failed);
    EXPECT_EQ(doc.path(), path("a.tat"));
    EXPECT_NE(prompt.shown.back().text.find("Unable to save the file"), std::string::npos);
}

TEST_F(Documents, LeavingTheProgramAsksAboutModifiedDocuments) {
    writeFile(path("a.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    startProgram({path("a.tat")});
    frames()[0]->document().setComment("changed");
    prompt.expect(MessageResult::Cancel);
    EXPECT_FALSE(mainFrame()->close());
    EXPECT_EQ(frames().size(), 1u);
    prompt.expect(MessageResult::No);
    EXPECT_TRUE(mainFrame()->close());
}

TEST_F(Documents, ClosingAModifiedDocumentAsksFirst) {
    writeFile(path("a.tat"), {siteOf("ROOM1", {{"A1", 1}})});
    startProgram({path("a.tat")});
    autotest::CTestDoc &doc = frames()[0]->document();
    doc.setComment("changed");
    EXPECT_TRUE(mainFrame()->action(cmd::kFileSave)->isEnabled());

    prompt.expect(MessageResult::Cancel);
    EXPECT_FALSE(frames()[0]->parentWidget()->close());
    EXPECT_EQ(prompt.shown.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(frames().size(), 1u);

    prompt.expect(MessageResult::Yes);
    EXPECT_TRUE(frames()[0]->parentWidget()->close());
    settle();
    EXPECT_TRUE(frames().empty());
    EXPECT_TRUE(documents->documents().empty());
    auto saved = model::loadAutotestFile<model::CSite>(QFile::encodeName(path("a.tat")).toStdString());
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value().comment, "changed");
}

}  // namespace
}  // namespace quillet::test
