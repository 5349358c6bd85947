// The plot dialogs offscreen: channel selection and its limits, set scales,
// the curve template editor and its file, the validating fields, the print
// preview.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QTreeWidget>

#include "plot_commands.h"
#include "plot_dialogs.h"
#include "plot_view_fixture.h"
#include "template_dlg.h"
#include "validating_edit.h"

namespace quillet::test {
namespace {

TEST_F(PlotViewTest, ChannelSelectionLimitsChannelsAndCommentLines) {
    doc.add("only", 10, 0, 9, [](double x) { return x; });
    plot::PlotModel model(doc);
    CChannelSelectDlg dialog(model);
    dialog.setPrompt(&prompt);
    dialog.available()->item(0)->setSelected(true);
    for (int i = 0; i < plot::kSlotCount; ++i) dialog.addSelected(i % 2 + 1);
    EXPECT_EQ(dialog.selected()->count(), plot::kSlotCount);
    prompt.expect(MessageResult::Ok);
    dialog.addSelected(1);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Select up to 30 channels as a maximum");

    auto *comment = dialog.findChild<QPlainTextEdit *>();
    ASSERT_TRUE(comment);
    QStringList lines;
    for (int i = 0; i < 21; ++i) lines << QStringLiteral("line %1").arg(i);
    comment->setPlainText(lines.join('\n'));
    prompt.expect(MessageResult::Ok);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
    EXPECT_EQ(prompt.shown.back().text, "Up to 20 comment lines as a maximum");
    lines.removeLast();
    comment->setPlainText(lines.join('\n'));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.comments().size(), 20u);
    EXPECT_EQ(dialog.choices()[1].scale, 2);
}

TEST_F(PlotViewTest, SetScalesRefusesAMinimumNotBelowItsMaximum) {
    openTwoScales();
    onNextModal(view, [this](QWidget *widget) {
        auto *dialog = qobject_cast<CSetScalesDlg *>(widget);
        ASSERT_TRUE(dialog);
        dialog->field(0, false)->setText(QStringLiteral("50"));
        dialog->field(0, true)->setText(QStringLiteral("20"));
        prompt.expect(MessageResult::Ok);
        dialog->accept();
        ASSERT_TRUE(dialog->isVisible());
        dialog->field(0, true)->setText(QStringLiteral("70"));
        dialog->accept();
    });
    view->onCommand(cmd::kPlotSetScales);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown[0].text, "Min. value must be lower than max. (min.)");
    const plot::PlotState &state = view->model().state();
    EXPECT_TRUE(state.zoomed);
    EXPECT_DOUBLE_EQ(state.window.x.minimum + state.origin, 50);
    EXPECT_DOUBLE_EQ(state.window.x.maximum + state.origin, 70);
}

TEST_F(PlotViewTest, RealFieldsReadTheUsersSeparator) {
    const NumberFormat comma(',');
    CRealEdit edit(comma, -10, 10, nullptr);
    edit.setPrompt(&prompt);
    QString typed = QStringLiteral("1,5x");
    int pos = 0;
    EXPECT_EQ(edit.validator()->validate(typed, pos), QValidator::Invalid);
    edit.setText(QStringLiteral("1,5"));
    double value = 0;
    EXPECT_TRUE(edit.check(value));
    EXPECT_DOUBLE_EQ(value, 1.5);
    edit.setText(QStringLiteral("11"));
    prompt.expect(MessageResult::Ok);
    EXPECT_FALSE(edit.check(value));
    CTimeEdit time(nullptr);
    time.setPrompt(&prompt);
    time.setText(QStringLiteral("12:3"));
    prompt.expect(MessageResult::Ok);
    EXPECT_FALSE(time.check(value));
    EXPECT_EQ(prompt.shown.back().text, "Specify the time under format:\nHH:MM:SS");
}

TEST_F(PlotViewTest, TemplateEditorLimitsLoadsAndSaves) {
    plot::CGabaritArray full;
    for (int i = 0; i < plot::CGabaritArray::kEditorMaximum; ++i) full.Add({double(i), -1, 1});
    CTemplateDlg dialog(full, NumberFormat('.'));
    dialog.setPrompt(&prompt);
    dialog.field(0)->setText(QStringLiteral("200"));
    dialog.field(1)->setText(QStringLiteral("0"));
    dialog.field(2)->setText(QString());  // an undefined upper limit
    prompt.expect(MessageResult::Ok);
    dialog.add();
    EXPECT_EQ(prompt.shown.back().text, "Up to 100 points as a maximum");
    prompt.expect(MessageResult::Ok);
    dialog.insert();
    EXPECT_EQ(dialog.gabarit().GetSize(), 100);

    const QString path = QStringLiteral(QUILLET_SCREENSHOT_DIR "/template.gab");
    QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
    ASSERT_TRUE(dialog.save(path));
    EXPECT_EQ(QFileInfo(path).size(), 2 + 100 * 24);
    CTemplateDlg empty({}, NumberFormat('.'));
    ASSERT_TRUE(empty.load(path));
    EXPECT_EQ(empty.gabarit(), dialog.gabarit());
    empty.list()->setCurrentItem(empty.list()->topLevelItem(0));
    empty.remove();
    empty.add();  // the fields hold point 1 after the removal
    EXPECT_EQ(empty.gabarit().GetAt(99).upper, 1);
}

TEST_F(PlotViewTest, TemplateShownOverThePlot) {
    openTwoScales();
    plot::PlotState &state = view->model().state();
    state.gabarit.Add({10, 0, 80});
    state.gabarit.Add({90, 20, plot::kUndefinedLimit});
    view->onCommand(cmd::kPlotTemplateShow);
    EXPECT_TRUE(state.templatesShown);
    save(view->renderImage(QSize(1600, 1000)), "plot_template");
    view->onCommand(cmd::kPlotTemplateShow);
    EXPECT_FALSE(state.templatesShown);
}

TEST_F(PlotViewTest, PrintPreviewShowsThePlotPage) {
    openTwoScales();
    onNextModal(view, [](QWidget *widget) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(widget);
        ASSERT_TRUE(preview);
        waitUntil([] { return false; }, 300);  // the pages are drawn
        saveScreenshot(preview, "plot_print_preview");
        preview->reject();
    });
    view->onCommand(cmd::kFilePrintPreview);
}

}  // namespace
}  // namespace quillet::test
