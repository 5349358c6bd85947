// The commands of CGraphView, printing and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "graph_view.h"
#include "plot_commands.h"
#include "plot_dialogs.h"
#include "plot_texts.h"
#include "quillet_strings.h"

namespace quillet {
namespace {

constexpr int kViewCommands[] = {
    cmd::kGraphCurves,         cmd::kPlotTitle,          cmd::kPlotStatistics,     cmd::kGraphXMarker,
    cmd::kGraphFreeMarker,     cmd::kGraphFixedMarker,   cmd::kPlotClearFixedMarkers, cmd::kPlotZoom,
    cmd::kPlotSetScales,       cmd::kPlotGlobalView,     cmd::kPlotHideOthers,     cmd::kPlotShowAll,
    cmd::kPlotHideCurve,       cmd::kPlotShowCurve,      cmd::kPlotAbscissaCurve,  cmd::kPlotDocumentAbscissa,
    cmd::kPlotLinkPoints,      cmd::kPlotGridLines,      cmd::kPlotTemplateEdit,   cmd::kPlotTemplatePlace,
    cmd::kPlotTemplateShow,    cmd::kPlotTemplatePlaceAgain, cmd::kPlotTemplateReset, cmd::kPlotCurveColour,
    cmd::kEditCopy,            cmd::kFilePrint,          cmd::kFilePrintPreview};

}  // namespace

bool CGraphView::handlesCommand(int id) const { return std::find(std::begin(kViewCommands), std::end(kViewCommands), id) != std::end(kViewCommands); }

bool CGraphView::isCommandEnabled(int id) const {
    const plot::PlotState &state = model_.state();
    const bool curves = state.filledCount() > 0;
    switch (id) {
    case cmd::kGraphCurves:
    case cmd::kPlotTitle: return true;
    case cmd::kGraphFixedMarker: return state.marker == plot::MarkerMode::X;
    case cmd::kPlotClearFixedMarkers: return state.anyFixedMarker();
    case cmd::kPlotGlobalView: return state.zoomed;
    case cmd::kPlotDocumentAbscissa: return state.abscissaCurve >= 0;
    case cmd::kPlotTemplatePlace:
    case cmd::kPlotTemplatePlaceAgain: return state.templatesShown;
    default: return curves && handlesCommand(id);
    }
}

bool CGraphView::isCommandChecked(int id) const {
    const plot::PlotState &state = model_.state();
    switch (id) {
    case cmd::kGraphXMarker: return state.marker == plot::MarkerMode::X;
    case cmd::kGraphFreeMarker: return state.marker == plot::MarkerMode::Free;
    case cmd::kPlotLinkPoints: return state.linkedPoints;
    case cmd::kPlotGridLines: return state.gridLines;
    case cmd::kPlotStatistics: return state.statisticsShown;
    case cmd::kPlotTemplateShow: return state.templatesShown;
    default: return false;
    }
}

void CGraphView::onCommand(int id) {
    plot::PlotState &state = model_.state();
    switch (id) {
    case cmd::kGraphCurves:
        if (selectChannels()) plotChanged();
        return;
    case cmd::kPlotTitle: onTitleDialog(); return;
    case cmd::kPlotStatistics: state.statisticsShown = !state.statisticsShown; break;
    case cmd::kGraphXMarker: model_.toggleXMarker(); break;
    case cmd::kGraphFreeMarker: model_.toggleFreeMarker(); break;
    case cmd::kGraphFixedMarker: onAddFixedMarker(); return;
    case cmd::kPlotClearFixedMarkers: model_.clearFixedMarkers(); break;
    case cmd::kPlotZoom: onZoom(); return;
    case cmd::kPlotSetScales: onSetScales(); return;
    case cmd::kPlotGlobalView: model_.globalView(); break;
    case cmd::kPlotHideOthers: model_.hideOtherCurves(); break;
    case cmd::kPlotShowAll: model_.showAllCurves(); break;
    case cmd::kPlotHideCurve: model_.setSelectedVisible(false); break;
    case cmd::kPlotShowCurve: model_.setSelectedVisible(true); break;
    case cmd::kPlotAbscissaCurve: model_.useSelectedAsAbscissa(); break;
    case cmd::kPlotDocumentAbscissa: model_.useDocumentAbscissa(); break;
    case cmd::kPlotLinkPoints: state.linkedPoints = !state.linkedPoints; break;
    case cmd::kPlotGridLines: state.gridLines = !state.gridLines; break;
    case cmd::kPlotTemplateEdit: editTemplate(); break;
    case cmd::kPlotTemplateShow: onTemplateShow(); break;
    case cmd::kPlotTemplatePlace:
    case cmd::kPlotTemplatePlaceAgain: state.placingTemplate = true; return;
    case cmd::kPlotTemplateReset: state.gabaritShift = {}; break;
    case cmd::kPlotCurveColour: onCurveColour(); return;
    case cmd::kEditCopy: onCopy(); return;
    case cmd::kFilePrint: {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted) print(printer);
        return;
    }
    case cmd::kFilePrintPreview: printPreview(); return;
    default: return;
    }
    plotChanged();
}

void CGraphView::onTitleDialog() {
    CPlotTitleDlg dialog(model_.state(), this);
    dialog.setPrompt(prompt_);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.state().title = dialog.title();
    model_.state().comments = dialog.comments();
    plotChanged();
}

bool CGraphView::selectChannels() {
    CChannelSelectDlg dialog(model_, this);
    dialog.setPrompt(prompt_);
    if (dialog.exec() != QDialog::Accepted) return false;
    model_.state().title = dialog.title();
    model_.state().comments = dialog.comments();
    assignChannels(dialog.choices());
    return true;
}

void CGraphView::onSetScales() {
    CSetScalesDlg dialog(model_, this);
    dialog.setPrompt(prompt_);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.applyScales(dialog.window());
    plotChanged();
}

void CGraphView::onCurveColour() {
    const int slot = model_.state().selected;
    const plot::Rgb current = model_.state().curves[static_cast<std::size_t>(slot)].colour;
    const QColor chosen = QColorDialog::getColor(QColor(current.red, current.green, current.blue), this);
    if (!chosen.isValid()) return;
    const plot::Rgb colour{chosen.red(), chosen.green(), chosen.blue()};
    model_.setCurveColour(slot, colour);
    writeProfileCurveColour(slot, colour);
    plotChanged();
}

void CGraphView::onCopy() {
    CCopyDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    copyToClipboard(dialog.graphic(), dialog.legend());
}

void CGraphView::copyToClipboard(bool graphic, bool legend) {
    QClipboard *clipboard = QApplication::clipboard();
    if (!clipboard) {
        message(resourceString(plot::texts::kClipboardOpenFailed), MessageIcon::Exclamation);
        return;
    }
    auto *mime = new QMimeData;
    if (graphic) mime->setImageData(plotBitmap());
    if (legend) mime->setText(legendText());
    clipboard->setMimeData(mime);
}

void CGraphView::onTemplateShow() {
    plot::PlotState &state = model_.state();
    if (!state.templatesShown && state.gabarit.GetSize() == 0) editTemplate();
    state.templatesShown = !state.templatesShown && state.gabarit.GetSize() > 0;
}

// The first page turns to landscape when the view asks for it; the
// printer's orientation is given back afterwards.
void CGraphView::print(QPrinter &printer) const {
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    if (model_.document().printsLandscape(page.width(), page.height())) printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    const QRectF area(0, 0, painter.device()->width(), painter.device()->height());
    drawPlotPage(painter, area, model_, printer.colorMode() == QPrinter::GrayScale, model_.state().statisticsShown);
    painter.end();
    printer.setPageOrientation(before);
}

void CGraphView::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    if (model_.document().printsLandscape(page.width(), page.height())) printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) { print(*target); });
    preview.exec();
}

}  // namespace quillet
