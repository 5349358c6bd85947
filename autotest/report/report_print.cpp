#include "report_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quillet::autotest {
namespace {

// Lays the report out on the printer and draws its pages (all, or the
// range the print dialog chose).
bool drawOnPrinter(QPrinter &printer, const ReportInput &input, QPainter &painter) {
    ReportRenderer renderer(input);
    renderer.layout(printer);
    int first = 1, last = renderer.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) return false;
        renderer.drawPage(painter, page);
    }
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace

bool printReport(QPrinter &printer, const ReportInput &input) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const bool drawn = drawOnPrinter(printer, input, painter);
    return painter.end() && drawn;
}

bool printReportWithDialog(QWidget *parent, QPrinter &printer, const ReportInput &input) {
    ReportRenderer renderer(input);
    renderer.layout(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, renderer.pageCount());
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printReport(printer, input)) return true;
    QMessageBox::warning(parent, QString(), QObject::tr("The report could not be printed on %1.").arg(printer.printerName()));
    return false;
}

bool printReportWithDialog(QWidget *parent, const ReportInput &input) {
    QPrinter printer(QPrinter::HighResolution);
    return printReportWithDialog(parent, printer, input);
}

void previewReport(QWidget *parent, QPrinter &printer, const ReportInput &input) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&input](QPrinter *target) { printReport(*target, input); });
    preview.exec();
}

void previewReport(QWidget *parent, const ReportInput &input) {
    QPrinter printer(QPrinter::HighResolution);
    previewReport(parent, printer, input);
}

bool writeReportPdf(const QString &path, const std::vector<ReportInput> &reports, const QPageSize &pageSize,
                    QString *error) {
    const QFileInfo target(path);
    QTemporaryFile file(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open()) {
        if (error) *error = QStringLiteral("cannot write in %1: %2").arg(target.absolutePath(), file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Quillet"));
        QPainter painter(&writer);
        if (!painter.isActive()) {
            if (error) *error = QStringLiteral("cannot draw the report into %1").arg(path);
            return false;
        }
        bool first = true;
        for (const ReportInput &input : reports) {
            ReportRenderer renderer(input);
            const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
            renderer.layout(writer, page.width(), page.height(), 0, 0);
            for (int p = 1; p <= renderer.pageCount(); ++p) {
                if (!first) writer.newPage();
                first = false;
                renderer.drawPage(painter, p);
            }
        }
        painter.end();
    }
    if (!file.flush() || file.error() != QFileDevice::NoError || ::fsync(file.handle()) != 0) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    // Renamed over the target in one step: an existing PDF stays as it was
    // until the new one is complete.
    std::error_code renamed;
    std::filesystem::rename(file.fileName().toStdString(), path.toStdString(), renamed);
    if (renamed) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, QString::fromStdString(renamed.message()));
        return false;
    }
    file.setAutoRemove(false);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

}  // namespace quillet::autotest
