// The transfer selection dialogs: the choice on OK, the header buttons, the
// remembered save box, and the site dialog's display mode with Delete.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "select_dlg.h"
#include "shell_fixture.h"

namespace quillet::test {
namespace {

const std::vector<std::string> kSites = {"01\tBUILDING A\t24\t12/03/2024", "02\tANNEX\t8\t05/11/2023",
                                         "03\tBUILDING B\t16\t28/01/2024"};

SelectionRequest sites(SelectionMode mode = SelectionMode::Transfer) {
    SelectionRequest request;
    request.kind = SelectionKind::Sites;
    request.mode = mode;
    request.fileName = "/data/campus.tat";
    request.lines = kSites;
    return request;
}

QStringList listTexts(QListWidget *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts.append(list->item(row)->text());
    return texts;
}

using SelectionDialogs = ShellTest;

struct KindCase {
    SelectionKind kind;
    const char *title;
    QStringList columns;
    const char *saveSection;  // "" for none
};

class SelectionKinds : public ShellTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(SelectionKinds, TitleColumnsAndSaveBox) {
    SelectionRequest request;
    request.kind = GetParam().kind;
    request.lines = {"01\tX"};
    CSelectDlg dialog(request, prompt);
    EXPECT_EQ(dialog.windowTitle(), GetParam().title);
    QStringList columns;
    for (int c = 0; dialog.headerButton(c); ++c) columns.append(dialog.headerButton(c)->text());
    EXPECT_EQ(columns, GetParam().columns);
    const bool hasSaveBox = *GetParam().saveSection != '\0';
    EXPECT_EQ(!dialog.saveBox()->isHidden(), hasSaveBox);
    EXPECT_TRUE(dialog.deleteButton()->isHidden());
    dialog.accept();
    if (hasSaveBox) {
        EXPECT_EQ(Profile().readInt(GetParam().saveSection, "Save", -1), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SelectionKinds,
    ::testing::Values(
        KindCase{SelectionKind::Sites, "Select sites to be transferred", {"Nr", "Site", "Plugs", "Date"},
                 "SelectSites"},
        KindCase{SelectionKind::Norms, "Select Standards to be transferred", {"Nr", "Standard"}, "SelectNorms"},
        KindCase{SelectionKind::Graphs, "Select Graphs to be transferred",
                 {"Nr", "Site", "Pair", "Name", "Type", "Date"}, "SelectGrphs"},
        KindCase{SelectionKind::Limits, "Select limits to be transferred", {"Nr", "Standard", "Type"}, ""}));

TEST_F(SelectionDialogs, TransferWithNothingSelectedTakesEverySite) {
    CSelectDlg dialog(sites(), prompt);
    dialog.show();
    dialog.list()->clearSelection();
    dialog.accept();
    EXPECT_EQ(dialog.result().chosen, kSites);
}

TEST_F(SelectionDialogs, DoubleClickTakesTheSelectionInListOrder) {
    CSelectDlg dialog(sites(), prompt);
    dialog.show();
    dialog.headerButton(1)->click();  // ANNEX, BUILDING A, BUILDING B
    dialog.list()->item(2)->setSelected(true);
    dialog.list()->item(0)->setSelected(true);
    emit dialog.list()->itemDoubleClicked(dialog.list()->item(0));
    EXPECT_EQ(dialog.result().chosen, (std::vector<std::string>{kSites[1], kSites[2]}));
    EXPECT_EQ(dialog.result().chosen.size(), 2u);
}

TEST_F(SelectionDialogs, DateHeaderTwiceSortsByDateTextDecreasing) {
    CSelectDlg dialog(sites(), prompt);
    dialog.show();
    dialog.list()->item(0)->setSelected(true);  // BUILDING A keeps its selection when it moves
    dialog.headerButton(3)->click();
    dialog.headerButton(3)->click();
    EXPECT_EQ(listTexts(dialog.list()),
              (QStringList{QString::fromStdString(kSites[2]), QString::fromStdString(kSites[0]),
                           QString::fromStdString(kSites[1])}));
    EXPECT_TRUE(dialog.list()->item(1)->isSelected());
    dialog.resize(520, 240);
    saveScreenshot(&dialog, QStringLiteral("select_sites"));
}

TEST_F(SelectionDialogs, UntickedSaveBoxIsRememberedCancelWritesNothing) {
    {
        CSelectDlg dialog(sites(), prompt);
        EXPECT_TRUE(dialog.saveBox()->isChecked());  // default 1
        dialog.saveBox()->setChecked(false);
        dialog.reject();
    }
    EXPECT_FALSE(Profile().contains("SelectSites", "Save"));
    {
        CSelectDlg dialog(sites(), prompt);
        dialog.saveBox()->setChecked(false);
        dialog.transferAllButton()->click();
        EXPECT_FALSE(dialog.result().saveAfterTransfer);
        EXPECT_EQ(dialog.result().chosen, kSites);
    }
    EXPECT_EQ(Profile().readInt("SelectSites", "Save", -1), 0);
    CSelectDlg next(sites(), prompt);
    EXPECT_FALSE(next.saveBox()->isChecked());
}

TEST_F(SelectionDialogs, DisplayModeTexts) {
    CSelectDlg dialog(sites(SelectionMode::Display), prompt);
    EXPECT_EQ(dialog.windowTitle(), "Select sites to be displayed");
    EXPECT_TRUE(dialog.findChild<QLabel *>() != nullptr);
    QStringList labels;
    for (QLabel *label : dialog.findChildren<QLabel *>()) labels.append(label->text());
    EXPECT_TRUE(labels.contains("file \"/data/campus.tat\""));
    EXPECT_EQ(dialog.transferAllButton()->text(), "Display &all");
    EXPECT_FALSE(dialog.deleteButton()->isHidden());
    EXPECT_TRUE(dialog.saveBox()->isHidden());
    dialog.accept();
    EXPECT_FALSE(Profile().contains("SelectSites", "Save"));
}

TEST_F(SelectionDialogs, DeleteRefusesNoneAndAllThenAsks) {
    CSelectDlg dialog(sites(SelectionMode::Display), prompt);
    dialog.show();
    prompt.expect(MessageResult::Ok);
    dialog.deleteButton()->click();
    dialog.list()->selectAll();
    prompt.expect(MessageResult::Ok);
    dialog.deleteButton()->click();
    dialog.list()->item(1)->setSelected(false);
    prompt.expect(MessageResult::Cancel);
    dialog.deleteButton()->click();
    EXPECT_EQ(dialog.list()->count(), 3);
    prompt.expect(MessageResult::Ok);
    dialog.deleteButton()->click();

    ASSERT_EQ(prompt.shown.size(), 4u);
    EXPECT_EQ(prompt.shown[0].text, "No selection has been done");
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompt.shown[1].text, "Full deleting not allowed");
    EXPECT_EQ(prompt.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompt.shown[3].text,
              "Selected sites will be deleted from the file \"/data/campus.tat\" when exiting from this dialog box.");
    EXPECT_EQ(prompt.shown[3].icon, MessageIcon::Information);
    EXPECT_EQ(prompt.shown[3].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(listTexts(dialog.list()), QStringList{QString::fromStdString(kSites[1])});
    dialog.accept();
    EXPECT_EQ(dialog.result().deleted, (std::vector<std::string>{kSites[0], kSites[2]}));
    EXPECT_EQ(dialog.result().chosen, (std::vector<std::string>{kSites[1]}));
}

}  // namespace
}  // namespace quillet::test
