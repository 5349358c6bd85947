#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comment_history.h"
#include "progress_steps.h"
#include "recent_files.h"
#include "selection_list.h"

namespace quillet {
namespace {

using Lines = std::vector<std::string>;

const Lines kSites = {"01\tBUILDING A\t24\t12/03/2024", "02\tANNEX\t8\t05/11/2023", "03\tBUILDING B\t16\t28/01/2024"};

Lines texts(const SelectionList &list) {
    Lines out;
    for (const auto &line : list.lines()) out.push_back(line.text);
    return out;
}

TEST(SelectionList, TabFieldsCountFromZero) {
    EXPECT_EQ(tabField(kSites[0], 0), "01");
    EXPECT_EQ(tabField(kSites[0], 3), "12/03/2024");
    EXPECT_EQ(tabField(kSites[0], 4), "");
    EXPECT_EQ(tabField("lone", 0), "lone");
}

TEST(SelectionList, OkWithNothingSelectedTakesEveryLine) {
    SelectionList list(kSites);
    EXPECT_EQ(list.confirm(), kSites);
}

TEST(SelectionList, OkTakesTheSelectedLinesInListOrder) {
    SelectionList list(kSites);
    list.clickHeader(1);  // by name: ANNEX, BUILDING A, BUILDING B
    list.setSelected(2, true);
    list.setSelected(0, true);
    EXPECT_EQ(list.confirm(), (Lines{kSites[1], kSites[2]}));
}

TEST(SelectionList, DateClickedTwiceSortsByDateTextDecreasing) {
    SelectionList list(kSites);
    list.clickHeader(3);
    EXPECT_EQ(list.sortColumn(), 3);
    EXPECT_TRUE(list.increasing());
    // The text sorts by its first field, the day: 05 < 12 < 28, whatever the year.
    EXPECT_EQ(texts(list), (Lines{kSites[1], kSites[0], kSites[2]}));
    list.clickHeader(3);
    EXPECT_FALSE(list.increasing());
    EXPECT_EQ(texts(list), (Lines{kSites[2], kSites[0], kSites[1]}));
}

TEST(SelectionList, NumberIsTheInitialSortColumnSoItsFirstClickReverses) {
    SelectionList list(kSites);
    list.clickHeader(0);
    EXPECT_FALSE(list.increasing());
    EXPECT_EQ(texts(list), (Lines{kSites[2], kSites[1], kSites[0]}));
}

TEST(SelectionList, SortingCarriesTheSelectionWithTheLine) {
    SelectionList list(kSites);
    list.setSelected(0, true);  // BUILDING A
    list.clickHeader(1);
    ASSERT_EQ(list.lines()[1].text, kSites[0]);
    EXPECT_TRUE(list.lines()[1].selected);
    EXPECT_FALSE(list.lines()[0].selected);
}

TEST(SelectionList, SortComparesBytesNotLetters) {
    SelectionList list({"01\tb", "02\tB", "03\t\xC9t\xC3\xA9", "04\ta"});
    list.clickHeader(1);
    EXPECT_EQ(texts(list), (Lines{"02\tB", "04\ta", "01\tb", "03\t\xC9t\xC3\xA9"}));
}

TEST(SelectionList, DeletionKeepsAtLeastOneSite) {
    SelectionList list(kSites);
    EXPECT_EQ(list.checkDelete(), DeleteCheck::NoSelection);
    list.selectAll();
    EXPECT_EQ(list.checkDelete(), DeleteCheck::AllSelected);
    list.setSelected(1, false);
    EXPECT_EQ(list.checkDelete(), DeleteCheck::Allowed);
    list.deleteSelected();
    EXPECT_EQ(texts(list), (Lines{kSites[1]}));
    EXPECT_EQ(list.deleted(), (Lines{kSites[0], kSites[2]}));
}

TEST(CommentHistory, AnEnteredCommentComesFirstOnce) {
    const Lines history = {"first", "second", "third"};
    EXPECT_EQ(pushComment(history, "third"), (Lines{"third", "first", "second"}));
    EXPECT_EQ(pushComment(history, "new"), (Lines{"new", "first", "second", "third"}));
    EXPECT_EQ(pushComment(history, ""), history);
}

TEST(CommentHistory, ANinthCommentPushesTheOldestOut) {
    const Lines full = {"c8", "c7", "c6", "c5", "c4", "c3", "c2", "c1"};
    EXPECT_EQ(pushComment(full, "c9"), (Lines{"c9", "c8", "c7", "c6", "c5", "c4", "c3", "c2"}));
    EXPECT_EQ(commentKey(1), "Comment1");
    EXPECT_EQ(commentKey(8), "Comment8");
}

TEST(RecentFiles, TenNamesLastOpenedFirst) {
    Lines list;
    for (int i = 1; i <= 11; ++i) list = addRecentFile(list, "f" + std::to_string(i) + ".tat");
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "f11.tat");
    EXPECT_EQ(list.back(), "f2.tat");
    list = addRecentFile(list, "f5.tat");
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], "f5.tat");
    EXPECT_EQ(list[1], "f11.tat");
    EXPECT_EQ(recentFileKey(10), "File10");
}

TEST(ProgressPercent, FiveStepsOfOneOverZeroToFive) {
    const ProgressRange range{0, 5, 1};
    Lines shown;
    for (int position = 1; position <= 5; ++position) shown.push_back(progressPercentText(range, position));
    EXPECT_EQ(shown, (Lines{"20%", "40%", "60%", "80%", "100%"}));
}

TEST(ProgressPercent, IntegerDivisionFromTheLowerBoundAndOnlyExactlyHundredStays) {
    EXPECT_EQ(progressPercentText({0, 3, 1}, 2), "66%");
    EXPECT_EQ(progressPercentText({10, 20, 1}, 15), "50%");
    EXPECT_EQ(progressPercentText({0, 100, 10}, 0), "0%");
    EXPECT_EQ(progressPercentText({0, 10, 1}, 12), "20%");  // 120 % is taken modulo 100
    EXPECT_EQ(progressPercentText({4, 4, 1}, 4), "100%");
}

}  // namespace
}  // namespace quillet
