// The report renderer offscreen: pages drawn into images (saved as
// screenshots), colour against black and white, the page count the print
// dialog gets, and PDF files written whole or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "hand_made_site.h"
#include "report_print.h"

namespace {

using namespace quillet;
using namespace quillet::autotest;

struct ReportFixture {
    explicit ReportFixture(int plugs) : site(makeSite(plugs)), verdicts(site, NumberFormat()),
          context{site, verdicts, NumberFormat(), Regional{}}, list(context, column::kDelay, column::kDelay) {
        list.showAll();
        input.site = &site;
        input.list = &list;
        input.title = "CERTIFICATION REPORT";
        input.printDate = "11/12/26";
    }

    static model::CSite makeSite(int plugs) {
        model::CSite site = quillet::testing::copperSite();
        site.name = "ROOM1";
        site.standard.testsMask = 0x0008;
        for (int i = 0; i < plugs; ++i) {
            model::CPrise plug;
            plug.plugId = "R" + std::to_string(i + 1);
            plug.resultType = i % 3 == 0 ? 2 : 5;  // every third plug fails
            quillet::testing::setDelays(plug, {400, 400, 400, 400});
            site.plugs.push_back(plug);
        }
        return site;
    }

    model::CSite site;
    model::SiteVerdicts verdicts;
    ListContext context;
    PlugList list;
    ReportInput input;
};

// An A4 page at 100 pixels per inch.
QImage drawnPage(const ReportInput &input, int page, int *pageCount = nullptr) {
    QImage image(827, 1169, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    ReportRenderer renderer(input);
    renderer.layout(image, image.width(), image.height(), 0, 0);
    if (pageCount) *pageCount = renderer.pageCount();
    QPainter painter(&image);
    renderer.drawPage(painter, page);
    return image;
}

bool hasColouredPixels(const QImage &image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(row[x]) != qGreen(row[x]) || qGreen(row[x]) != qBlue(row[x])) return true;
    }
    return false;
}

void save(const QImage &image, const QString &name) {
    QDir().mkpath(QStringLiteral(QUILLET_SCREENSHOT_DIR));
    image.save(QStringLiteral(QUILLET_SCREENSHOT_DIR "/") + name);
}

TEST(ReportRender, PagesInColourAndInBlackAndWhite) {
    ReportFixture fixture(45);
    fixture.list.detail({2});
    int pages = 0;
    const QImage first = drawnPage(fixture.input, 1, &pages);
    const QImage table = drawnPage(fixture.input, 2);
    EXPECT_EQ(pages, 4);  // site block, plugs 1-2, plug 3 detailed, the rest
    save(first, QStringLiteral("report-page1.png"));
    save(table, QStringLiteral("report-page2.png"));
    save(drawnPage(fixture.input, 3), QStringLiteral("report-page3-detail.png"));
    EXPECT_TRUE(hasColouredPixels(table));  // identifiers in pass and fail colours

    fixture.input.monochrome = true;
    fixture.input.colours.strikeFailBW = true;
    const QImage mono = drawnPage(fixture.input, 2);
    save(mono, QStringLiteral("report-page2-mono.png"));
    EXPECT_FALSE(hasColouredPixels(mono));
    EXPECT_NE(mono, table);
}

TEST(ReportRender, PageCountFollowsThePageDescription) {
    ReportFixture fixture(100);
    ReportRenderer renderer(fixture.input);
    QImage image(827, 1169, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    renderer.layout(image, image.width(), image.height(), 0, 0);
    ASSERT_GT(renderer.linesPerPage(), 0);
    const auto perPage = static_cast<std::size_t>(renderer.linesPerPage());
    EXPECT_EQ(static_cast<std::size_t>(renderer.pageCount()), 1 + (100 + perPage - 1) / perPage);
    EXPECT_EQ(renderer.pageStarts(), reportPageStarts(fixture.list.lines(), renderer.linesPerPage()));
}

TEST(ReportRender, PdfIsWrittenWholeOrNotAtAll) {
    ReportFixture fixture(5);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("room1.pdf"));
    QString error;
    ASSERT_TRUE(writeReportPdf(path, {fixture.input, fixture.input}, QPageSize(QPageSize::A4), &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("room1.pdf")});

    const QString nowhere = dir.filePath(QStringLiteral("missing/room1.pdf"));
    EXPECT_FALSE(writeReportPdf(nowhere, {fixture.input}, QPageSize(QPageSize::A4), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(ReportRender, PrintsOnAPrinter) {
    ReportFixture fixture(5);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(printReport(printer, fixture.input));
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("printed.pdf"))).size(), 0);
}

// The preview window opens on the report's pages; its picture is kept.
TEST(ReportRender, PreviewShowsThePages) {
    ReportFixture fixture(45);
    fixture.list.detail({2});
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(widget);
            if (!preview || !preview->isVisible()) continue;
            shown = true;
            preview->resize(900, 1000);
            save(preview->grab().toImage(), QStringLiteral("report-preview.png"));
            preview->reject();
        }
    });
    previewReport(nullptr, fixture.input);
    EXPECT_TRUE(shown);
}

}  // namespace
