#include "test_frame.h"

#include <QCloseEvent>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "cp1252.h"
#include "graph_document_factory.h"
#include "main_frame.h"
#include "plug_graph.h"
#include "print_header_profile.h"
#include "regional.h"
#include "report_print.h"
#include "test_command_ids.h"
#include "test_doc.h"
#include "test_doc_template.h"
#include "test_menus.h"
#include "test_site_view.h"
#include "test_view.h"

namespace quillet::autotest {

CTestFrame::CTestFrame(CTestDoc &doc, std::size_t site, AutotestEnvironment &env, QWidget *parent)
    : QWidget(parent), doc_(doc), site_(site), env_(env), splitter_(new QSplitter(Qt::Vertical, this)),
      siteView_(new CTestSiteView), view_(new CTestView(doc, site, env)) {
    splitter_->addWidget(siteView_);
    splitter_->addWidget(view_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    resize(900, 600);

    connect(view_, &CTestView::linesChanged, this, &CTestFrame::refreshSummary);
    connect(view_, &CTestView::currentLineChanged, this, &CTestFrame::showPosition);
    connect(view_->listView()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (env_.mainFrame) env_.mainFrame->updateCommands();
    });
    connect(view_->listView(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { onPopupMenu(view_->listView(), at, false); });
    connect(siteView_->listView(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { onPopupMenu(siteView_->listView(), at, true); });
    connect(&doc_, &CTestDoc::titleChanged, this, &CTestFrame::updateTitle);
    connect(&doc_, &CTestDoc::contentChanged, view_, &CTestView::rebuild);
    connect(&doc_, &CTestDoc::plugsSorted, this, [this](std::size_t sorted) {
        if (sorted == site_) view_->reload();
    });
    connect(&doc_, &CTestDoc::modifiedChanged, this, [this] {
        if (env_.mainFrame) env_.mainFrame->updateCommands();
    });
}

CTestFrame::~CTestFrame() {
    doc_.disconnect(this);
    view_->listView()->selectionModel()->disconnect(this);
    view_->disconnect(this);
    siteView_->listView()->disconnect(this);
}

// The summary pane opens tall enough for its lines (up to twenty); the
// plug list takes the rest.
void CTestFrame::initialUpdate() {
    updateTitle();
    refreshSummary();
    const int rows = std::min<int>(20, static_cast<int>(siteView_->lines().size()));
    const int summary = rows * (siteView_->listView()->fontMetrics().height() + 2) + 8;
    splitter_->setSizes({summary, std::max(200, height() - summary)});
    show();
}

void CTestFrame::updateTitle() {
    setWindowTitle(doc_.title() + QLatin1Char(':') + testerTextToQString(doc_.sites()[site_].name));
    if (parentWidget()) parentWidget()->setWindowTitle(windowTitle());
}

void CTestFrame::refreshSummary() { siteView_->setLines(view_->summaryLines()); }

void CTestFrame::showPosition() {
    if (!env_.mainFrame) return;
    const auto line = view_->currentLine();
    env_.mainFrame->setPositionText(line ? QString::number(*line + 1) : QString());
}

void CTestFrame::closeEvent(QCloseEvent *event) {
    if (doc_.docTemplate().openFrameCount(doc_) <= 1 && !doc_.saveModified()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

void CTestFrame::onPopupMenu(QWidget *list, const QPoint &at, bool summary) {
    if (!env_.mainFrame) return;
    QMenu *menu = createPopupMenu(*env_.mainFrame, summary ? 245 : 244, this);
    env_.mainFrame->updateCommands();
    menu->exec(list->mapToGlobal(at));
    delete menu;
}

bool CTestFrame::handlesCommand(int id) const {
    switch (id) {
    case cmd::kFileSave:
    case cmd::kFileSaveAs:
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect:
    case cmd::kFilePrintPreview:
    case cmd::kSelectAll:
    case cmd::kSelectNone:
    case cmd::kProperties:
    case cmd::kSiteComment:
    case cmd::kExport:
    case cmd::kSearchPlug:
    case cmd::kSelectPlugs: return true;
    default: return (id >= cmd::kDetail && id <= cmd::kReportTitle) || id == cmd::kHidePlugs ||
                    id == cmd::kRenamePlug || id == cmd::kStrikeFailBW ||
                    (id >= cmd::kPlugCurvesFirst && id <= cmd::kPlugCurvesLast);
    }
}

bool CTestFrame::isCommandEnabled(int id) const {
    const bool anyLine = !view_->plugList().lines().empty();
    switch (id) {
    case cmd::kFileSave: return doc_.isModified();
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect:
    case cmd::kFilePrintPreview: return true;
    case cmd::kReverseSelection:
    case cmd::kDetail:
    case cmd::kContract: return !view_->selectedLines().empty();
    case cmd::kSelectAll:
    case cmd::kSelectNone:
    case cmd::kDetailAll:
    case cmd::kContractAll:
    case cmd::kSearchPlug:
    case cmd::kSelectPlugs:
    case cmd::kHidePlugs:
    case cmd::kHideOtherPlugs: return anyLine;
    case cmd::kSortPlugs: return !view_->site().plugs.empty();
    default:
        if (const auto slot = graphs::slotOfPlugCurvesCommand(id)) {
            const model::CPrise *plug = view_->firstSelectedPlug();
            return plug && graphs::plugHoldsSlot(*plug, *slot);
        }
        return true;
    }
}

bool CTestFrame::isCommandChecked(int id) const { return id == cmd::kStrikeFailBW && view_->strikeFailBW(); }

void CTestFrame::onCommand(int id) {
    switch (id) {
    case cmd::kFileSave: doc_.save(); break;
    case cmd::kFileSaveAs: doc_.saveAs(); break;
    case cmd::kSelectAll: view_->selectAll(); break;
    case cmd::kSelectNone: view_->selectNone(); break;
    case cmd::kReverseSelection: view_->reverseSelection(); break;
    case cmd::kDetail: view_->detail(false); break;
    case cmd::kDetailAll: view_->detail(true); break;
    case cmd::kContract: view_->contract(false); break;
    case cmd::kContractAll: view_->contract(true); break;
    case cmd::kHidePlugs: view_->hidePlugs(); break;
    case cmd::kHideOtherPlugs: view_->hideOtherPlugs(); break;
    case cmd::kShowAllPlugs: view_->showAllPlugs(); break;
    case cmd::kExport: exportText(); break;
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect:
    case cmd::kFilePrintPreview: printReport(id); break;
    default:
        if (const auto slot = graphs::slotOfPlugCurvesCommand(id))
            showPlugCurves(*slot);
        else
            runDialogCommand(id);
        break;
    }
}

// The certification report of the window as it lists its plugs.
ReportInput CTestFrame::reportInput() const {
    ReportInput input;
    input.site = &view_->site();
    input.list = &view_->plugList();
    input.title = view_->reportTitle();
    readPrintHeader(&input.header);
    const ListColours &colours = view_->colours();
    input.colours = {static_cast<std::uint32_t>(profileValueOfColour(colours.pass)),
                     static_cast<std::uint32_t>(profileValueOfColour(colours.fail)),
                     static_cast<std::uint32_t>(profileValueOfColour(colours.limit)), view_->strikeFailBW()};
    input.decimal = programRegional().decimal;
    input.printDate = reportPrintDate();
    return input;
}

void CTestFrame::printReport(int id) {
    const ReportInput input = reportInput();
    QPrinter *printer = env_.printer ? env_.printer() : nullptr;
    if (id == cmd::kFilePrintPreview) {
        printer ? previewReport(this, *printer, input) : previewReport(this, input);
    } else {
        printer ? printReportWithDialog(this, *printer, input) : printReportWithDialog(this, input);
    }
}

// The first selected plug's curves of one slot in a graph window of their own.
void CTestFrame::showPlugCurves(int slot) {
    const model::CPrise *plug = view_->firstSelectedPlug();
    if (!plug) {
        view_->reportNoSelection();
        return;
    }
    QWidget *parent = env_.mainFrame ? static_cast<QWidget *>(env_.mainFrame->mdiArea()) : this;
    QWidget *window = graphs::openPlugCurves(view_->site(), *plug, slot, *env_.prompt, parent);
    if (window && env_.mainFrame) env_.mainFrame->addDocumentWindow(window);
}

void CTestFrame::runDialogCommand(int id) {
    switch (id) {
    case cmd::kSearchPlug: searchPlug(); break;
    case cmd::kSelectPlugs: selectPlugs(); break;
    case cmd::kSortPlugs: sortPlugs(); break;
    case cmd::kRenamePlug: renamePlug(); break;
    case cmd::kSyntheticList: editListFormat(false); break;
    case cmd::kDetailedList: editListFormat(true); break;
    case cmd::kPassColour:
    case cmd::kFailColour:
    case cmd::kLimitColour: chooseColour(id); break;
    case cmd::kStrikeFailBW: toggleStrikeFailBW(); break;
    case cmd::kReportTitle: editReportTitle(); break;
    case cmd::kProperties:
    case cmd::kSiteComment: editComments(id); break;
    default: break;
    }
}

}  // namespace quillet::autotest
