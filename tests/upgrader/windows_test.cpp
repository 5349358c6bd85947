// The upgrader's windows offscreen, in both languages: their texts, the
// link dialog's reading of its choices, and screenshots in the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "about_dlg.h"
#include "link_dlg.h"
#include "progress_window.h"
#include "qt_ui.h"
#include "texts.h"
#include "welcome_dlg.h"
#include "window_texts.h"

namespace rivo {
namespace {

void saveScreenshot(QWidget &window, const QString &name)
{
    window.adjustSize();
    window.show();
    QApplication::processEvents();
    const QDir folder(QStringLiteral(RIVO_SCREENSHOT_DIR));
    folder.mkpath(QStringLiteral("."));
    EXPECT_TRUE(window.grab().save(folder.filePath(name + QStringLiteral(".png"))));
}

QStringList labelTexts(const QWidget &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

struct LanguageCase {
    Language language;
    const char *suffix;
};

class Windows : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(Windows, Welcome)
{
    const Language language = GetParam().language;
    WelcomeDlg welcome(language, QDir::temp(), {QStringLiteral("DEMO.HEX"), QStringLiteral("OTHER.HEX")}, true);
    EXPECT_EQ(welcome.windowTitle().toStdString(), text(language, kMainTitle));
    EXPECT_TRUE(labelTexts(welcome).contains(QString::fromUtf8(windowTexts(language).welcome)));
    EXPECT_EQ(welcome.chosenFiles(), QStringList{QStringLiteral("DEMO.HEX")});
    saveScreenshot(welcome, QStringLiteral("upgrader_welcome_") + QLatin1String(GetParam().suffix));
}

TEST_P(Windows, Transmission)
{
    const Language language = GetParam().language;
    ProgressWindowDlg window(language, ProgressWindow::Transmission);
    window.setTexts(QString::fromStdString(insert(text(language, kTransmittingFile), "DEMO.HEX")),
                    QString::fromStdString(text(language, kInProgress)));
    window.setPercent(42);
    EXPECT_TRUE(labelTexts(window).contains(QStringLiteral(" 42%")));
    EXPECT_FALSE(window.takeCancel());
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text().toStdString(), windowTexts(language).cancel);
    buttons[0]->click();
    EXPECT_TRUE(window.takeCancel());
    EXPECT_FALSE(window.takeCancel());
    saveScreenshot(window, QStringLiteral("upgrader_transmission_") + QLatin1String(GetParam().suffix));
}

TEST_P(Windows, LinkAndAbout)
{
    const Language language = GetParam().language;
    LinkSettings settings;
    settings.port = 12;  // outside the list: the last port
    LinkDlg link(language, settings);
    const QList<QComboBox *> combos = link.findChildren<QComboBox *>();
    ASSERT_EQ(combos.size(), 6);
    EXPECT_EQ(link.settings().port, 8);
    combos[1]->setCurrentIndex(8);
    EXPECT_EQ(link.settings().rate(), 115200);
    saveScreenshot(link, QStringLiteral("upgrader_link_") + QLatin1String(GetParam().suffix));
    AboutDlg about(language, QDir::temp());
    saveScreenshot(about, QStringLiteral("upgrader_about_") + QLatin1String(GetParam().suffix));
}

int visibleProgressWindows()
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<const ProgressWindowDlg *>(widget) && widget->isVisible() ? 1 : 0;
    return count;
}

// The procedure closes its windows itself; closing must not count as Cancel.
TEST(ProcedureWindows, ProgressWindowClosesWhenTheStepEnds)
{
    QtUpgraderUi ui(Language::English, nullptr);
    ui.openProgress(ProgressWindow::Analysis);
    EXPECT_EQ(visibleProgressWindows(), 1);
    EXPECT_FALSE(ui.cancelPressed());
    ui.closeProgress();
    QApplication::processEvents();
    EXPECT_EQ(visibleProgressWindows(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, Windows,
                         ::testing::Values(LanguageCase{Language::English, "en"}, LanguageCase{Language::French, "fr"}),
                         [](const auto &test) { return std::string(test.param.suffix); });

}  // namespace
}  // namespace rivo

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
