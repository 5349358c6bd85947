// The site window's commands on a hand-made site: sorting with a mask,
// searching, selecting by root and failing measurements, renaming, hiding
// and showing plugs with the summary's count, detailing, the export with
// ADD, and screenshots of the window in both list formats.
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

#include "autotest_fixture.h"
#include "cp1252.h"
#include "hand_made_site.h"
#include "plug_dialogs.h"
#include "plug_list.h"
#include "test_command_ids.h"
#include "test_site_view.h"
#include "three_buttons_dlg.h"

namespace quillet::test {
namespace {

using autotest::FailCondition;
using autotest::PlugSelection;

// Plugs with delays of 400 ns (passing the 470 ns maximum) or 500 ns
// (failing), and a length column.
model::CSite siteOfPlugs(const std::vector<std::pair<std::string, std::uint16_t>> &plugs) {
    setenv("TZ", "UTC", 1);
    tzset();
    model::CSite site = testing::copperSite();
    site.name = "ROOM1";
    site.standard.testsMask = 0x0008;
    std::uint32_t time = 1000000000;
    for (const auto &[id, delay] : plugs) {
        model::CPrise plug;
        plug.plugId = id;
        plug.testTime = time;
        time -= 60;
        plug.resultType = delay > 470 ? 2 : 5;
        testing::setDelays(plug, {delay, delay, delay, delay});
        site.plugs.push_back(plug);
    }
    return site;
}

class SiteWindow : public AutotestWindows {
protected:
    void open(const model::CSite &site) {
        writeFile(path("site.tat"), {site});
        startProgram({path("site.tat")});
        ASSERT_EQ(frames().size(), 1u);
        frame = frames()[0];
        view = frame->view();
    }

    std::vector<std::string> shownIds() const {
        std::vector<std::string> ids;
        for (const auto &line : view->plugList().lines()) {
            if (!line.detail) ids.push_back(view->site().plugs[line.plug].plugId);
        }
        return ids;
    }

    std::vector<std::string> selectedIds() const {
        std::vector<std::string> ids;
        for (std::size_t line : view->selectedLines()) {
            const auto &shown = view->plugList().lines()[line];
            if (!shown.detail) ids.push_back(view->site().plugs[shown.plug].plugId);
        }
        return ids;
    }

    std::string summaryLine(const std::string &start) const {
        for (const auto &line : frame->siteView()->lines()) {
            if (line.text.rfind(start, 0) == 0) return line.text;
        }
        return {};
    }

    autotest::CTestFrame *frame = nullptr;
    autotest::CTestView *view = nullptr;
};

TEST_F(SiteWindow, SortsByMaskedIdentifierByVerdictTextAndByDate) {
    open(siteOfPlugs({{"A07", 500}, {"B03", 400}, {"C11", 450}}));
    struct Case {
        int criterion;
        const char *mask;
        bool ascending;
        std::vector<std::string> order;
    };
    for (const Case &c : {Case{1, "?XX", true, {"B03", "A07", "C11"}}, Case{1, "?XX", false, {"C11", "A07", "B03"}},
                          Case{1, "X??", true, {"A07", "B03", "C11"}}, Case{16, "", true, {"C11", "B03", "A07"}}}) {
        SCOPED_TRACE(c.criterion);
        view->sortPlugs(c.criterion, c.mask, c.ascending);
        EXPECT_EQ(shownIds(), c.order);
    }
    EXPECT_TRUE(frame->document().isModified());
    // Sorting by the delay's verdict text puts "FAIL" before "PASS".
    view->sortPlugs(4, "", true);
    EXPECT_EQ(shownIds().front(), "A07");
}

TEST_F(SiteWindow, SearchFindsTheNextPlugByRootAndWraps) {
    open(siteOfPlugs({{"B1", 400}, {"A12", 400}, {"C3", 400}, {"a19", 400}}));
    view->setCurrentLine(1);
    EXPECT_TRUE(view->searchPlug("a1"));
    EXPECT_EQ(view->currentLine(), 3u);
    EXPECT_TRUE(view->searchPlug("a1"));
    EXPECT_EQ(view->currentLine(), 1u) << "wraps to the top";
    EXPECT_TRUE(view->searchPlug("?3"));
    EXPECT_EQ(view->currentLine(), 2u);
    prompt.expect(MessageResult::Ok);
    EXPECT_FALSE(view->searchPlug("Z"));
    EXPECT_EQ(prompt.shown.back().text, "Unable to find a plug identified as \"Z\"");
}

TEST_F(SiteWindow, SelectsByRootAndFailingMeasurements) {
    open(siteOfPlugs({{"A1", 500}, {"A2", 400}, {"B1", 500}, {"B2", 400}}));
    PlugSelection failingDelay;
    failingDelay.conditions[static_cast<std::size_t>(model::Column::Delay)] = FailCondition::Fails;
    view->selectPlugs(failingDelay, true);
    EXPECT_EQ(selectedIds(), (std::vector<std::string>{"A1", "B1"}));
    EXPECT_EQ(view->currentLine(), 0u);

    PlugSelection passingB;
    passingB.root = "b";
    passingB.conditions[static_cast<std::size_t>(model::Column::Delay)] = FailCondition::DoesNotFail;
    view->selectPlugs(passingB, false);
    EXPECT_EQ(selectedIds(), (std::vector<std::string>{"A1", "B1", "B2"}));
    EXPECT_EQ(view->currentLine(), 3u) << "the first newly selected line";

    view->reverseSelection();
    EXPECT_EQ(selectedIds(), (std::vector<std::string>{"A2"}));
}

TEST_F(SiteWindow, RenameRefusesAnIdentifierInUseAndMarksTheDocument) {
    open(siteOfPlugs({{"A1", 400}, {"B12", 400}}));
    prompt.expect(MessageResult::Ok);
    EXPECT_FALSE(view->renamePlug("C1"));
    EXPECT_EQ(prompt.shown.back().text, "No selection has been done");

    view->selectLines({0}, true);
    prompt.expect(MessageResult::Ok);
    EXPECT_FALSE(view->renamePlug("B1"));
    EXPECT_EQ(prompt.shown.back().text, "Plug Id \"B1\" already exists");
    EXPECT_FALSE(frame->document().isModified());

    EXPECT_TRUE(view->renamePlug("C1"));
    EXPECT_EQ(shownIds(), (std::vector<std::string>{"C1", "B12"}));
    EXPECT_TRUE(frame->document().isModified());
    EXPECT_NE(fromCp1252(view->plugList().lines()[0].line.text).indexOf("C1"), -1);
}

TEST_F(SiteWindow, HidingRecountsTheSummaryAndShowAllRestores) {
    open(siteOfPlugs({{"A1", 400}, {"A2", 500}, {"A3", 400}, {"A4", 400}}));
    EXPECT_NE(summaryLine("\tTESTED PLUGS:").find("\t4"), std::string::npos);
    prompt.expect(MessageResult::Ok);
    run(cmd::kHidePlugs);  // nothing selected
    view->selectLines({1, 2}, true);
    run(cmd::kHideOtherPlugs);
    EXPECT_EQ(shownIds(), (std::vector<std::string>{"A2", "A3"}));
    EXPECT_EQ(summaryLine("\tTESTED PLUGS:"), "\tTESTED PLUGS:\t2");
    view->selectLines({0}, true);
    run(cmd::kHidePlugs);
    EXPECT_EQ(shownIds(), (std::vector<std::string>{"A3"}));
    run(cmd::kShowAllPlugs);
    EXPECT_EQ(summaryLine("\tTESTED PLUGS:"), "\tTESTED PLUGS:\t4");
}

TEST_F(SiteWindow, DetailAndContractKeepThePlugsSelected) {
    open(siteOfPlugs({{"A1", 400}, {"A2", 500}, {"A3", 400}}));
    view->selectLines({1}, true);
    run(cmd::kDetail);
    const std::size_t block = view->plugList().blockSize();
    ASSERT_GT(block, 0u);
    EXPECT_EQ(view->plugList().lines().size(), 3 + block);
    EXPECT_TRUE(view->plugList().isDetailed(1));
    EXPECT_EQ(selectedIds(), (std::vector<std::string>{"A2"}));
    run(cmd::kDetailAll);
    EXPECT_EQ(view->plugList().lines().size(), 3 * (1 + block));
    view->selectLines({0}, true);
    run(cmd::kContract);
    EXPECT_EQ(view->plugList().lines().size(), 3 + 2 * block);
    run(cmd::kContractAll);
    EXPECT_EQ(view->plugList().lines().size(), 3u);
}

TEST_F(SiteWindow, ExportWritesTheWindowsLinesAndAddsOnRequest) {
    open(siteOfPlugs({{"A1", 400}, {"A2", 500}, {"A3", 400}}));
    view->selectLines({0}, true);
    run(cmd::kHidePlugs);
    view->selectLines({0}, true);
    run(cmd::kDetail);

    const QString target = path("out.txt");
    savePaths = {target};
    run(cmd::kExport);
    EXPECT_EQ(fileRequests.back().proposed, "site.txt");
    EXPECT_EQ(fileRequests.back().caption, "Export to the file");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    const std::string expected = [&] {
        const autotest::ExportInput input = view->exportInput();
        std::string text = autotest::exportSiteBlock(input.summaryLines) + autotest::exportHeading(input.headingLine);
        for (const auto &line : input.plugLines) text += autotest::exportPlugLine(line, input.detailedMask);
        return text;
    }();
    EXPECT_EQ(first.toStdString(), expected);
    EXPECT_EQ(first.count("A1"), 0) << "hidden plugs are not exported";

    savePaths = {target};
    threeButtons = {C3ButtonsDlg::kButton1};
    run(cmd::kExport);
    EXPECT_EQ(threeButtonQuestions.back().firstButton, "&ADD data to the end of the file");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), first + "\r\r\n" + first);
}

TEST_F(SiteWindow, ListFormatsGreyWhatTheStandardDoesNotTest) {
    model::CSite site = siteOfPlugs({{"A1", 400}});
    site.standard.testsMask = testing::kAllTests & ~0x0400;  // no ELFEXT
    open(site);
    const std::uint32_t synthetic = autotest::defaultSyntheticMask(site.standard);
    const std::uint32_t detailed = autotest::defaultDetailedMask(site.standard);
    EXPECT_EQ(synthetic & (1u << 10), 0u);
    EXPECT_EQ(view->syntheticMask(), synthetic);
    EXPECT_EQ(fromCp1252(view->plugList().heading().text).indexOf("ELFEXT"), -1);
    autotest::CListFormatDlg syntheticDialog(false, synthetic, synthetic);
    EXPECT_FALSE(syntheticDialog.box(10)->isEnabled());
    EXPECT_TRUE(syntheticDialog.box(6)->isEnabled());
    autotest::CListFormatDlg detailedDialog(true, detailed, detailed);
    EXPECT_FALSE(detailedDialog.box(10)->isEnabled());
    EXPECT_FALSE(detailedDialog.box(11)->isEnabled());
    EXPECT_EQ(detailedDialog.box(3), nullptr) << "no Skew in the detailed list";

    // Taking NEXT out of the synthetic list drops its column.
    view->setMasks(synthetic & ~(1u << 6), detailed);
    EXPECT_EQ(fromCp1252(view->plugList().heading().text).indexOf("\tNEXT"), -1);
}

TEST_F(SiteWindow, SortDialogProposesTheMaskOfTheCurrentPlug) {
    open(siteOfPlugs({{"A1", 400}, {"B-12", 400}}));
    view->setCurrentLine(1);
    autotest::CSortPlugsDlg dialog(autotest::proposedSortMask(view->currentPlugId()));
    EXPECT_EQ(dialog.maskEdit()->text(), "??XX");
    dialog.criterionButton(16)->setChecked(true);
    EXPECT_EQ(dialog.request().criterion, 16);
    EXPECT_TRUE(dialog.request().ascending);
}

// See Plug Curves follows the curve slots of the first selected plug; the
// report is always there to print.
TEST_F(SiteWindow, CurveCommandsFollowTheSelectedPlugsSlotsAndPrintIsOffered) {
    model::CSite site = siteOfPlugs({{"A1", 400}, {"A2", 500}});
    site.plugs[1].curvesOfSlot(1)->push_back(model::CGrphMes{});
    open(site);
    view->selectLines({0}, true);
    mainFrame()->updateCommands();
    for (int id = cmd::kPlugCurvesFirst; id <= cmd::kPlugCurvesLast; ++id)
        EXPECT_FALSE(mainFrame()->action(id)->isEnabled()) << id;
    view->selectLines({1}, true);
    mainFrame()->updateCommands();
    for (int id = cmd::kPlugCurvesFirst; id <= cmd::kPlugCurvesLast; ++id)
        EXPECT_EQ(mainFrame()->action(id)->isEnabled(), id == cmd::kPlugCurvesFirst + 1) << id;
    EXPECT_TRUE(mainFrame()->action(cmd::kFilePrint)->isEnabled());
    EXPECT_TRUE(mainFrame()->action(cmd::kFilePrintPreview)->isEnabled());
    EXPECT_TRUE(mainFrame()->action(cmd::kDetail)->isEnabled());
    EXPECT_TRUE(mainFrame()->action(cmd::kExport)->isVisible());
}

TEST_F(SiteWindow, ScreenshotsOfSyntheticAndDetailedLists) {
    model::CSite site = siteOfPlugs({{"A1", 400}, {"A2", 500}, {"A3", 455}, {"A4", 400}});
    site.standard.testsMask = testing::kAllTests;
    testing::setLimit(site, 0, testing::flatLimit(30, 1));
    testing::setAllWorstCases(site.plugs[0], 0, 40);
    testing::setAllWorstCases(site.plugs[1], 0, 20);
    testing::setAllWorstCases(site.plugs[2], 0, 30.5);
    open(site);
    frame->parentWidget()->resize(1200, 700);
    saveScreenshot(frame, "site_window_synthetic");
    view->selectLines({1}, true);
    run(cmd::kDetail);
    view->setCurrentLine(1);
    saveScreenshot(frame, "site_window_detailed");
    SUCCEED();
}

}  // namespace
}  // namespace quillet::test
