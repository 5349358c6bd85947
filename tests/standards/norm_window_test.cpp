// The standards window in the shell, offscreen, against the simulated
// tester: Graphs > Standards > Download lists the unit's standards, the
// window shows the listing, Save and reopen keep it with its comment, the
// print preview pages it; a file that is not a standards document opens
// no window.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTemporaryDir>
#include <QToolBar>
#include <memory>

#include "command_ids.h"
#include "comm_setup.h"
#include "comment_dlgs.h"
#include "cp1252.h"
#include "main_frame.h"
#include "message_prompt.h"
#include "norm_doc_factory.h"
#include "norm_frame.h"
#include "norm_listing.h"
#include "norm_open_dlg.h"
#include "norm_view.h"
#include "profile.h"
#include "quillet_app.h"
#include "select_dlg.h"
#include "shell_fixture.h"
#include "simulator.h"
#include "status_panes.h"
#include "torvlink.h"

namespace quillet::test {
namespace {

class NormWindow : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Profile().writeInt("Start", "Assist", 0);
        ASSERT_TRUE(folder_.isValid());
    }
    void TearDown() override {
        app_.reset();
        TorvikCommClose();
        TorvlinkSetPortDevice(1, nullptr);
        removeLinkHooks();
        if (tester_) tester_->stop();
        ShellTest::TearDown();
    }

    void startShell(bool withTester) {
        if (withTester) {
            tester_ = std::make_unique<torvik::sim::Simulator>(torvik::sim::demoUnit());
            std::string error;
            ASSERT_TRUE(tester_->start(&error)) << error;
            Profile().writeString(kCommSection, "Device1", QString::fromStdString(tester_->devicePath()));
        }
        AppEnvironment env;
        env.prompt = &prompt;
        app_ = std::make_unique<CQuilletApp>(env);
        registerStandardsDocuments(*app_);
        ASSERT_TRUE(app_->initInstance({}));
        app_->mainFrame()->resize(1000, 700);
    }

    QList<CNormFrame *> windows() const {
        QList<CNormFrame *> frames;
        for (QMdiSubWindow *w : app_->mainFrame()->mdiArea()->subWindowList()) {
            if (auto *frame = qobject_cast<CNormFrame *>(w->widget())) frames.append(frame);
        }
        return frames;
    }

    QString path(const QString &name) const { return folder_.filePath(name); }

    std::unique_ptr<torvik::sim::Simulator> tester_;
    std::unique_ptr<CQuilletApp> app_;
    QTemporaryDir folder_;
};

TEST_F(NormWindow, DownloadListSaveReopenAndPreview) {
    startShell(true);
    CMainFrame *main = app_->mainFrame();
    ASSERT_TRUE(main->action(cmd::kStandardsDownload)->isEnabled());
    // Every standard, without saving at once.
    onNextModal(main, [](QWidget *modal) {
        auto *select = qobject_cast<CSelectDlg *>(modal);
        ASSERT_NE(select, nullptr);
        EXPECT_EQ(select->list()->count(), 7);
        select->saveBox()->setChecked(false);
        select->transferAllButton()->click();
    });
    main->runCommand(cmd::kStandardsDownload);
    ASSERT_EQ(windows().size(), 1);
    CNormFrame *frame = windows().front();
    main->mdiArea()->setActiveSubWindow(main->mdiArea()->subWindowList().front());
    EXPECT_FALSE(TorvikCommIsOpen());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Standard1*"));
    EXPECT_EQ(frame->document().standards().size(), 7u);
    const auto expected = standards::normListingLines(frame->document().standards(), NumberFormat('.'));
    EXPECT_EQ(frame->view()->listing(), expected);
    EXPECT_EQ(frame->view()->model()->rowCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(frame->view()->model()->index(0, 0).data().toString(),
              QStringLiteral("\t01\tStandard:\tTIA Cat 5e Perm. Link"));
    const auto toolbar = cmd::toolbarButtons(cmd::kResourceStandards);
    EXPECT_EQ(main->toolBarCommands(), QList<int>(toolbar.begin(), toolbar.end()));
    EXPECT_TRUE(main->action(cmd::kFileSave)->isEnabled());
    QApplication::processEvents();
    saveScreenshot(main, QStringLiteral("standards_listing"));
    // Sideways keys scroll the listing, not the current line.
    frame->view()->setCurrentIndex(frame->view()->model()->index(3, 0));
    frame->parentWidget()->resize(300, 300);
    QApplication::processEvents();
    QScrollBar *sideways = frame->view()->horizontalScrollBar();
    ASSERT_GT(sideways->maximum(), 0);
    QTest::keyClick(frame->view(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(sideways->value(), sideways->maximum());
    QTest::keyClick(frame->view(), Qt::Key_Left);
    EXPECT_LT(sideways->value(), sideways->maximum());
    QTest::keyClick(frame->view(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(sideways->value(), 0);
    EXPECT_EQ(frame->view()->currentIndex().row(), 3);
    EXPECT_EQ(main->statusPanes()->positionText(), QStringLiteral("4"));

    // Saving asks for the comment first.
    onNextModal(main, [](QWidget *modal) {
        auto *comment = qobject_cast<CCommentHistoryDlg *>(modal);
        ASSERT_NE(comment, nullptr);
        comment->comboBox()->setCurrentText(QStringLiteral("Bâtiment B"));
        comment->accept();
    });
    ASSERT_TRUE(frame->document().onSaveDocument(path("unit.nrm"), prompt, frame));
    EXPECT_EQ(frame->document().comment(), "B\xE2timent B");
    EXPECT_EQ(CNormOpenDlg::commentPreview(path("unit.nrm")), QStringLiteral("Bâtiment B"));
    EXPECT_EQ(CNormOpenDlg::commentPreview(path("gone.nrm")), QStringLiteral("Unable to open the file \"gone.nrm\""));

    ASSERT_TRUE(app_->openDocumentFile(path("unit.nrm")));
    ASSERT_EQ(windows().size(), 2);
    CNormFrame *reopened = windows().back();
    EXPECT_EQ(reopened->view()->listing(), expected);
    EXPECT_EQ(reopened->document().comment(), "B\xE2timent B");
    EXPECT_EQ(reopened->windowTitle(), QStringLiteral("unit.nrm"));

    // The preview pages the listing as the printer does.
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    TextPages pages = reopened->printedPages();
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&pages](QPrinter *target) { printTextPages(*target, pages); });
    preview.resize(800, 1000);
    preview.updatePreview();
    EXPECT_GE(pages.pageCount(), 2);
    EXPECT_EQ(preview.pageCount(), pages.pageCount());
    preview.setViewMode(QPrintPreviewWidget::FacingPagesView);
    preview.show();
    QApplication::processEvents();
    saveScreenshot(&preview, QStringLiteral("standards_print_preview"));

    // The same page routine on an image, at a printer's proportions.
    QImage page(827, 1169, QImage::Format_RGB32);  // A4 at 100 dpi
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    pages.layout(page, page.width(), page.height());
    for (int n = 1; n <= pages.pageCount(); ++n) {
        page.fill(Qt::white);
        QPainter painter(&page);
        pages.drawPage(painter, n);
        painter.end();
        page.save(QStringLiteral(QUILLET_SCREENSHOT_DIR "/standards_print_page%1.png").arg(n));
    }
}

TEST_F(NormWindow, FilesThatAreNotStandardsDocumentsOpenNoWindow) {
    startShell(false);
    QFile other(path("autotest.nrm"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray("\x2B" "Application Quillet\tvD.06\tDocument AutoTest", 44));
    other.close();
    QFile truncated(path("short.nrm"));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    truncated.write(QByteArray("\x28" "Application Quillet\tvD.06\tDocument Norme\x00\x05\x00", 44));
    truncated.close();
    for (const QString &name : {QStringLiteral("autotest.nrm"), QStringLiteral("short.nrm"), QStringLiteral("none.nrm")}) {
        prompt.expect(MessageResult::Ok);
        EXPECT_FALSE(app_->openDocumentFile(path(name)));
        ASSERT_FALSE(prompt.shown.empty());
        EXPECT_EQ(prompt.shown.back().text,
                  "Unable to read the file \"" + toUtf8(path(name)) + "\".\nThe application can't read its data.");
        EXPECT_EQ(prompt.shown.back().icon, MessageIcon::Exclamation);
    }
    EXPECT_TRUE(windows().isEmpty());
}

TEST_F(NormWindow, ClosingAModifiedWindowAsksFirst) {
    startShell(false);
    auto document = std::make_unique<CNormDoc>();
    document->setModified(true);
    app_->mainFrame()->addDocumentWindow(new CNormFrame(std::move(document), prompt, app_->mainFrame()->mdiArea()));
    QMdiSubWindow *window = app_->mainFrame()->mdiArea()->subWindowList().front();
    auto answer = [this](QMessageBox::StandardButton button) {
        onNextModal(app_->mainFrame(), [button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->text().startsWith(QStringLiteral("Save changes to Standard")));
            box->button(button)->click();
        });
    };
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(windows().size(), 1);
    answer(QMessageBox::No);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(waitUntil([this] { return windows().isEmpty(); }));
}

}  // namespace
}  // namespace quillet::test
