// The report's ways out: a printer (the print dialog's, or the preview's),
// the print preview window, and PDF files. The site window's "&Print..."
// and "Print Pre&view" and quillet-cli's report command call these.
#pragma once

#include <QPageSize>
#include <QString>
#include <vector>

#include "report_renderer.h"

class QPrinter;
class QWidget;

namespace quillet::autotest {

// Prints every page; false when the printer could not be started or
// failed while printing.
bool printReport(QPrinter &printer, const ReportInput &input);

// The print dialog over the report's page count, then the pages; false
// when the user cancelled or the printer failed (a message says which).
// `printer` is the window's (with what print set-up chose); the overload
// without one starts from the default printer.
bool printReportWithDialog(QWidget *parent, QPrinter &printer, const ReportInput &input);
bool printReportWithDialog(QWidget *parent, const ReportInput &input);

// The print preview window over the same pages; returns when it closes.
void previewReport(QWidget *parent, QPrinter &printer, const ReportInput &input);
void previewReport(QWidget *parent, const ReportInput &input);

// One PDF with the reports one after another, written to a temporary file
// beside `path` and renamed over it once complete; on failure nothing is
// left and *error says why.
bool writeReportPdf(const QString &path, const std::vector<ReportInput> &reports, const QPageSize &pageSize,
                    QString *error);

}  // namespace quillet::autotest
