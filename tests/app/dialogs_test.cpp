// The shell's common dialogs: print header, About box and the upgrader,
// progress, comments, title, three buttons, document type.
#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "about_dlg.h"
#include "comment_dlgs.h"
#include "doc_type_dlg.h"
#include "firmware_update.h"
#include "font_color_dlg.h"
#include "message_prompt.h"
#include "print_header_dlg.h"
#include "print_header_profile.h"
#include "progress_dlg.h"
#include "shell_fixture.h"
#include "three_buttons_dlg.h"
#include "torvlink.h"

namespace quillet::test {
namespace {

using Dialogs = ShellTest;

TEST_F(Dialogs, PrintHeaderDefaultsDifferBetweenDialogAndReports) {
    CPrintHeaderDlg dialog;
    EXPECT_EQ(dialog.header().weight, 400);
    EXPECT_EQ(dialog.header().color, 0);
    EXPECT_EQ(dialog.companyEdit()->text(), "...");
    EXPECT_EQ(dialog.lineEdit(5)->text(), "...");
    EXPECT_EQ(dialog.companyEdit()->maxLength(), 40);
    EXPECT_EQ(dialog.lineEdit(2)->maxLength(), 80);

    PrintHeader report;
    EXPECT_EQ(readPrintHeader(&report), 6);
    EXPECT_EQ(report.weight, 1);
    EXPECT_EQ(report.color, 1);
    EXPECT_EQ(report.faceName, "Arial");
    EXPECT_EQ(report.society, "...");
    EXPECT_EQ(readPrintHeader(nullptr), 6);
}

// Escape in the font chooser cancels the whole font dialog, as its Cancel
// button does, instead of leaving an empty window behind.
TEST_F(Dialogs, EscapeInTheFontChooserCancelsTheFontDialog) {
    CFontColorDlg dialog(HeaderFont{QStringLiteral("Arial"), 700, 0xFF, false, false, false});
    dialog.show();
    QApplication::processEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.fontChooser(), &escape);
    QApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// A short text under a long caption: the box is wide enough for the caption.
TEST_F(Dialogs, MessageBoxesAreWideEnoughForTheirCaption) {
    const QString caption = QStringLiteral("Identifying the connected tester");
    std::unique_ptr<QMessageBox> box(
        makeMessageBox(nullptr, caption, QStringLiteral("OK"), MessageIcon::Information, MessageButtons::Ok));
    box->show();
    QApplication::processEvents();
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(box->width(), QFontMetrics(bold).horizontalAdvance(caption) + 60) << "caption and title-bar buttons";
    saveScreenshot(box.get(), QStringLiteral("message_box_long_caption"));
}

TEST_F(Dialogs, PrintHeaderOkWritesAllTwelveKeysCancelNone) {
    {
        CPrintHeaderDlg dialog;
        dialog.companyEdit()->setText(QStringLiteral("NORDKABEL AS"));
        dialog.reject();
    }
    EXPECT_FALSE(Profile().contains("PrintHeader", "Society"));
    {
        CPrintHeaderDlg dialog;
        dialog.companyEdit()->setText(QStringLiteral("NORDKABEL AS"));
        dialog.lineEdit(3)->setText(QString::fromUtf8("Fibre, cuivre \xC3\xA9tude"));
        dialog.accept();
    }
    const Profile profile;
    for (const char *key : {"Society", "SocietyFontFaceName", "SocietyFontWeight", "SocietyFontColor",
                            "SocietyFontItalic", "SocietyFontUnderline", "SocietyFontStrikeOut", "Line2", "Line3",
                            "Line4", "Line5"})
        EXPECT_TRUE(profile.contains("PrintHeader", key)) << key;
    PrintHeader report;
    readPrintHeader(&report);
    EXPECT_EQ(report.society, "NORDKABEL AS");
    EXPECT_EQ(report.lines[1], "Fibre, cuivre \xC3\xA9tude");
    EXPECT_EQ(report.weight, 400);  // confirmed once, the dialog's values hold
    EXPECT_EQ(report.color, 0);
}

TEST_F(Dialogs, AboutBoxShowsBothVersionLines) {
    CAboutDlg about(programVersion(), loadedLinkLibraryVersion(), {});
    EXPECT_EQ(about.versionLine(), "Quillet Version D.06 (4,6,0,0)");
    EXPECT_EQ(about.libraryVersionLine(), "libtorvlink.so Version D.05 (4,5,0,0)");
    EXPECT_EQ(about.specialBuildLine(), "");
    EXPECT_FALSE(about.copyrightLine().isEmpty());
    about.show();
    about.adjustSize();
    saveScreenshot(&about, QStringLiteral("about_box"));
}

struct UpdaterCase {
    const char *stored;  // nullptr: nothing stored
    const char *option;
};

class UpdateTester : public ShellTest, public ::testing::WithParamInterface<UpdaterCase> {};

TEST_P(UpdateTester, StartsTheUpgraderBesideTheProgramWithTheLinkFields) {
    if (GetParam().stored) Profile().writeString("CommunicationD01", "Parameters", GetParam().stored);
    QTemporaryDir programFolder;
    QDir(programFolder.path()).mkdir(QStringLiteral("RIVO"));
    const QString previousFolder = QDir::currentPath();
    std::vector<UpdaterLaunch> launched;
    CAboutDlg about(programVersion(), loadedLinkLibraryVersion(), [&] {
        startFirmwareUpdate(programFolder.path(), [&](const UpdaterLaunch &launch) { launched.push_back(launch); });
    });
    about.show();
    about.updateButton()->click();
    EXPECT_FALSE(about.isVisible());
    ASSERT_EQ(launched.size(), 1u);
    const QString rivo = QDir(programFolder.path()).filePath(QStringLiteral("RIVO"));
    EXPECT_EQ(launched[0].program, rivo + "/rivo32");
    EXPECT_EQ(launched[0].arguments, QStringList{GetParam().option});
    EXPECT_EQ(launched[0].workingDirectory, rivo);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(rivo).canonicalPath());
    EXPECT_FALSE(TorvikCommIsOpen());
    QDir::setCurrent(previousFolder);
}

INSTANTIATE_TEST_SUITE_P(Parameters, UpdateTester,
                         ::testing::Values(UpdaterCase{nullptr, "-c1,38400,8,1,n,n"},
                                           UpdaterCase{"2,9600,e,7,2,d", "-c2,9600,7,2,e,h"},
                                           UpdaterCase{"3,19200,o,8,1,n", "-c3,19200,8,1,o,n"}));

TEST(UpdaterFolder, AnInstalledProgramFindsTheUpgraderInItsPrivateFolder) {
    QTemporaryDir prefix;
    const QString bin = QDir(prefix.path()).filePath(QStringLiteral("bin"));
    const QString installed =
        QDir::cleanPath(QDir(bin).filePath(QStringLiteral(QUILLET_INSTALLED_UPDATER_DIR)));
    ASSERT_TRUE(QDir().mkpath(bin));
    // Before the upgrader is installed, the folder beside the program is named.
    EXPECT_EQ(updaterLaunch(bin, CommParams{}).workingDirectory, bin + "/RIVO");
    ASSERT_TRUE(QDir().mkpath(installed));
    const UpdaterLaunch launch = updaterLaunch(bin, CommParams{});
    EXPECT_EQ(launch.workingDirectory, installed);
    EXPECT_EQ(launch.program, installed + "/rivo32");
    EXPECT_FALSE(installed.startsWith(bin)) << "never a RIVO folder in bin";
}

TEST_F(Dialogs, ProgressStepsDisableTheOwnerAndCancelIsAFlag) {
    QWidget owner;
    owner.show();
    std::vector<std::string> labels;
    {
        CProgressDlg progress(&owner, 144);
        EXPECT_FALSE(owner.isEnabled());
        EXPECT_TRUE(progress.isEnabled());
        EXPECT_EQ(progress.percentText(), "0%");
        progress.setRange(0, 5);
        progress.setStep(1);
        for (int i = 0; i < 5; ++i) {
            progress.step();
            labels.push_back(progress.percentText().toStdString());
        }
        EXPECT_FALSE(progress.cancelled());
        progress.findChild<QPushButton *>()->click();
        EXPECT_TRUE(progress.isVisible());  // Cancel only raises the flag
        EXPECT_TRUE(progress.cancelled());
        EXPECT_FALSE(progress.cancelled());  // asking clears it
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"20%", "40%", "60%", "80%", "100%"}));
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(Dialogs, ProgressLeavesAnAlreadyDisabledOwnerDisabled) {
    QWidget owner;
    owner.setEnabled(false);
    { CProgressDlg progress(&owner); }
    EXPECT_FALSE(owner.isEnabled());
}

void writeHistory(const QStringList &entries) {
    Profile profile;
    for (int i = 0; i < entries.size(); ++i) profile.writeString("Commentaires", QStringLiteral("Comment%1").arg(i + 1), entries[i]);
}

QStringList storedHistory() {
    const Profile profile;
    QStringList entries;
    for (int i = 1; i <= 8; ++i) entries.append(profile.readString("Commentaires", QStringLiteral("Comment%1").arg(i)));
    return entries;
}

TEST_F(Dialogs, CommentHistoryMovesARepeatedCommentToTheTop) {
    writeHistory({"Floor 1", "Floor 2", "", "Floor 3"});
    CCommentHistoryDlg dialog(QStringLiteral("current"));
    ASSERT_EQ(dialog.comboBox()->count(), 3);  // empty entries are skipped
    EXPECT_EQ(dialog.comboBox()->currentText(), "current");
    dialog.comboBox()->setCurrentText(QStringLiteral("Floor 2"));
    dialog.accept();
    EXPECT_EQ(dialog.comment(), "Floor 2");
    EXPECT_EQ(storedHistory(), (QStringList{"Floor 2", "Floor 1", "Floor 3", "", "", "", "", ""}));
}

TEST_F(Dialogs, CommentHistoryKeepsEightNewestFirst) {
    writeHistory({"c8", "c7", "c6", "c5", "c4", "c3", "c2", "c1"});
    CCommentHistoryDlg dialog{QString()};
    dialog.comboBox()->setCurrentText(QStringLiteral("c9, with a comma"));
    dialog.accept();
    EXPECT_EQ(storedHistory(), (QStringList{"c9, with a comma", "c8", "c7", "c6", "c5", "c4", "c3", "c2"}));
}

TEST_F(Dialogs, CommentHistoryCancelWritesNothing) {
    CCommentHistoryDlg dialog{QString()};
    dialog.comboBox()->setCurrentText(QStringLiteral("never kept"));
    dialog.reject();
    EXPECT_FALSE(Profile().contains("Commentaires", "Comment1"));
}

TEST_F(Dialogs, MultiLineCommentAndTitle) {
    CCommentDlg comment(QStringLiteral("line 1\nline 2"));
    EXPECT_EQ(comment.comment(), "line 1\nline 2");
    CTitleDlg title(QStringLiteral("Reports title"), QStringLiteral("Certification"), 40);
    EXPECT_EQ(title.windowTitle(), "Reports title");
    EXPECT_EQ(title.editor()->maxLength(), 40);
    title.editor()->setText(QString(50, 'x'));
    EXPECT_EQ(title.title().size(), 40);
}

TEST_F(Dialogs, ThreeButtonsEachEndWithTheirOwnId) {
    for (int id : {C3ButtonsDlg::kButton1, C3ButtonsDlg::kButton2, C3ButtonsDlg::kButton3}) {
        C3ButtonsDlg dialog("Save As", "The file exists.", {"Group", "Replace", "Another"}, C3ButtonsDlg::kButton3);
        EXPECT_TRUE(dialog.button(C3ButtonsDlg::kButton3)->isDefault());
        EXPECT_FALSE(dialog.button(C3ButtonsDlg::kButton1)->isDefault());
        int result = -1;
        QObject::connect(&dialog, &QDialog::finished, [&](int r) { result = r; });
        dialog.show();
        dialog.button(id)->click();
        EXPECT_EQ(result, id);
    }
    C3ButtonsDlg closed("Save As", "The file exists.", {"a", "b", "c"});
    int result = -1;
    QObject::connect(&closed, &QDialog::finished, [&](int r) { result = r; });
    closed.show();
    closed.close();
    EXPECT_EQ(result, C3ButtonsDlg::kCancel);
}

TEST_F(Dialogs, DocumentTypeChoice) {
    EXPECT_EQ(CDocTypeDlg::choose({}), -1);
    EXPECT_EQ(CDocTypeDlg::choose({"", ""}), -1);
    EXPECT_EQ(CDocTypeDlg::choose({"", "Graph Document", ""}), 1);  // one type: chosen unseen

    const QStringList names{"Autotest Document", "", "Standard Document"};
    CDocTypeDlg dialog(names);
    ASSERT_EQ(dialog.list()->count(), 2);
    EXPECT_EQ(dialog.list()->currentRow(), 0);
    EXPECT_EQ(dialog.chosenIndex(), 0);
    dialog.list()->setCurrentRow(1);
    EXPECT_EQ(dialog.chosenIndex(), 2);

    int chosen = -2;
    onNextModal(&dialog, [](QWidget *modal) {
        auto *shown = qobject_cast<CDocTypeDlg *>(modal);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->windowTitle(), "Open");
        shown->list()->setCurrentRow(1);
        shown->accept();
    });
    chosen = CDocTypeDlg::choose({"Autotest Document", "Graph Document", "Standard Document"});
    EXPECT_EQ(chosen, 1);
}

}  // namespace
}  // namespace quillet::test
