#include "test_view.h"

#include <QItemSelection>
#include <QListView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "cp1252.h"
#include "message_prompt.h"
#include "profile_settings.h"
#include "quillet_strings.h"
#include "regional.h"
#include "test_doc.h"
#include "tester_text.h"

namespace quillet::autotest {
namespace {

const QString kOptions = QStringLiteral("Options");

QListView *makeListView(QWidget *parent) {
    auto *view = new QListView(parent);
    view->setFont(listFont());
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setTextElideMode(Qt::ElideNone);
    return view;
}

QColor profileColour(const Profile &profile, const char *key, long byDefault) {
    bool ok = false;
    const long value = profile.readString(kOptions, QString::fromUtf8(key), QString::number(byDefault)).toLong(&ok);
    return colourFromProfileValue(ok ? value : byDefault);
}

}  // namespace

CTestView::CTestView(CTestDoc &doc, std::size_t site, AutotestEnvironment &env, QWidget *parent)
    : QWidget(parent), doc_(doc), site_(site), env_(env), model_(new ListLineModel(this)),
      headingModel_(new ListLineModel(this)) {
    const NumberFormat format(programRegional().decimal);
    verdicts_ = std::make_unique<model::SiteVerdicts>(this->site(), format);
    syntheticMask_ = defaultSyntheticMask(this->site().standard);
    detailedMask_ = defaultDetailedMask(this->site().standard);
    list_ = std::make_unique<PlugList>(ListContext{this->site(), *verdicts_, format, programRegional()},
                                       syntheticMask_, detailedMask_);
    readOptions();

    heading_view_ = makeListView(this);
    heading_view_->setSelectionMode(QAbstractItemView::NoSelection);
    heading_view_->setFocusPolicy(Qt::NoFocus);
    heading_view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    heading_view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    heading_view_->setFixedHeight(heading_view_->fontMetrics().height() + 8);
    heading_view_->setModel(headingModel_);
    headingDelegate_ = new ListLineDelegate(*headingModel_, colours_, this);
    heading_view_->setItemDelegate(headingDelegate_);

    list_view_ = makeListView(this);
    list_view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_view_->setModel(model_);
    delegate_ = new ListLineDelegate(*model_, colours_, this);
    list_view_->setItemDelegate(delegate_);
    list_view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_view_->horizontalScrollBar(), &QScrollBar::valueChanged, heading_view_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(list_view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { emit currentLineChanged(current.row()); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(heading_view_);
    layout->addWidget(list_view_, 1);
    showLines();
}

CTestView::~CTestView() = default;

const model::CSite &CTestView::site() const { return doc_.sites()[site_]; }

void CTestView::readOptions() {
    const Profile profile;
    colours_.pass = profileColour(profile, "PassColor", 32768);
    colours_.fail = profileColour(profile, "FailColor", 255);
    colours_.limit = profileColour(profile, "LimitColor", 8388608);
    strikeFailBW_ = profile.readInt(kOptions, QStringLiteral("StrikeFailBW"), 0) != 0;
    title_ = toCp1252(profile.readString(kOptions, QStringLiteral("Title"), fromCp1252(resourceString(211))));
    if (list_view_) {
        showLines();
    }
}

void CTestView::showLines() {
    if (!model_ || !list_view_) return;
    std::vector<const ListLine *> lines;
    std::vector<const ListLine *> plugLines;
    std::vector<const ListLine *> detailLines;
    lines.reserve(list_->lines().size());
    for (const PlugListLine &line : list_->lines()) {
        lines.push_back(&line.line);
        (line.detail ? detailLines : plugLines).push_back(&line.line);
    }
    // The heading's fields stand over the plug lines' fields.
    heading_ = list_->heading();
    plugLines.push_back(&heading_);
    const int charWidth = list_view_->fontMetrics().averageCharWidth();
    const QList<int> plugStops = columnStops(plugLines, charWidth);
    delegate_->setStops(plugStops, columnStops(detailLines, charWidth));
    headingDelegate_->setStops(plugStops, plugStops);
    model_->setLines(std::move(lines));
    headingModel_->setLines({&heading_});
    emit linesChanged();
}

std::vector<std::size_t> CTestView::selectedLines() const {
    std::vector<std::size_t> lines;
    for (const QItemSelectionRange &range : list_view_->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) lines.push_back(static_cast<std::size_t>(row));
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

// Consecutive lines go in as one range, so selecting thousands stays quick.
void CTestView::selectLines(const std::vector<std::size_t> &lines, bool replace) {
    QItemSelection selection;
    std::vector<std::size_t> sorted = lines;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t end = i;
        while (end + 1 < sorted.size() && sorted[end + 1] == sorted[end] + 1) ++end;
        selection.select(model_->index(static_cast<int>(sorted[i])), model_->index(static_cast<int>(sorted[end])));
        i = end + 1;
    }
    list_view_->selectionModel()->select(selection, replace ? QItemSelectionModel::ClearAndSelect
                                                            : QItemSelectionModel::Select);
}

void CTestView::selectAll() { list_view_->selectAll(); }

void CTestView::selectNone() { list_view_->selectionModel()->clearSelection(); }

void CTestView::reverseSelection() {
    const std::vector<std::size_t> selected = selectedLines();
    std::vector<std::size_t> reversed;
    std::size_t next = 0;
    for (std::size_t line = 0; line < list_->lines().size(); ++line) {
        const bool wasSelected = next < selected.size() && selected[next] == line;
        if (wasSelected) ++next;
        if (!wasSelected && !list_->lines()[line].detail) reversed.push_back(line);
    }
    selectLines(reversed, true);
}

std::optional<std::size_t> CTestView::currentLine() const {
    const QModelIndex current = list_view_->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return static_cast<std::size_t>(current.row());
}

void CTestView::setCurrentLine(std::size_t line) {
    const QModelIndex index = model_->index(static_cast<int>(line));
    list_view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list_view_->scrollTo(index);
}

std::optional<std::size_t> CTestView::plugLineOf(std::size_t line) const {
    if (line >= list_->lines().size()) return std::nullopt;
    while (line > 0 && list_->lines()[line].detail) --line;
    return line;
}

std::string CTestView::currentPlugId() const {
    if (list_->lines().empty()) return site().plugs.empty() ? std::string() : site().plugs.front().plugId;
    const auto line = plugLineOf(currentLine().value_or(0));
    return site().plugs[list_->lines()[line.value_or(0)].plug].plugId;
}

const model::CPrise *CTestView::firstSelectedPlug() const {
    const std::vector<std::size_t> lines = selectedLines();
    if (lines.empty()) return nullptr;
    return &site().plugs[list_->lines()[lines.front()].plug];
}

std::vector<std::size_t> CTestView::selectedPlugs() const {
    std::vector<std::size_t> plugs;
    for (std::size_t line : selectedLines()) {
        if (!list_->lines()[line].detail) plugs.push_back(list_->lines()[line].plug);
    }
    return plugs;
}

void CTestView::reselectPlugs(const std::vector<std::size_t> &plugs) {
    if (plugs.empty()) return;
    std::vector<bool> wanted(site().plugs.size(), false);
    for (std::size_t plug : plugs) wanted[plug] = true;
    std::vector<std::size_t> lines;
    for (std::size_t line = 0; line < list_->lines().size(); ++line) {
        const PlugListLine &shown = list_->lines()[line];
        if (!shown.detail && wanted[shown.plug]) lines.push_back(line);
    }
    selectLines(lines, true);
}

void CTestView::detail(bool all) {
    const std::vector<std::size_t> plugs = selectedPlugs();
    const DetailOutcome outcome = all ? list_->detailAll() : list_->detail(selectedLines());
    showLines();
    reselectPlugs(plugs);
    if (!outcome.complete)
        env_.prompt->show(toUtf8(appTitle()), formatResource(288, std::to_string(outcome.mostPlugs)),
                          MessageIcon::Exclamation, MessageButtons::Ok);
}

void CTestView::contract(bool all) {
    const std::vector<std::size_t> plugs = selectedPlugs();
    if (all)
        list_->contractAll();
    else
        list_->contract(selectedLines());
    showLines();
    reselectPlugs(plugs);
}

bool CTestView::hidePlugs() {
    const std::vector<std::size_t> lines = selectedLines();
    if (lines.empty()) {
        return reportNoSelection();
    }
    list_->hide(lines);
    showLines();
    return true;
}

bool CTestView::hideOtherPlugs() {
    const std::vector<std::size_t> plugs = selectedPlugs();
    if (plugs.empty()) {
        return reportNoSelection();
    }
    list_->hideOthers(selectedLines());
    showLines();
    reselectPlugs(plugs);
    return true;
}

void CTestView::showAllPlugs() { reload(); }

bool CTestView::reportNoSelection() const {
    env_.prompt->show(toUtf8(appTitle()), resourceString(ids::kNoSelection), MessageIcon::Exclamation,
                      MessageButtons::Ok);
    return false;
}

bool CTestView::searchPlug(const std::string &root) {
    const auto found = findPlugLine(*list_, site(), root, currentLine());
    if (!found) {
        env_.prompt->show(toUtf8(appTitle()), cp1252ToUtf8(formatResource(186, root)), MessageIcon::Exclamation,
                          MessageButtons::Ok);
        return false;
    }
    setCurrentLine(*found);
    return true;
}

void CTestView::selectPlugs(const PlugSelection &selection, bool replace) {
    const std::vector<std::size_t> before = replace ? std::vector<std::size_t>{} : selectedLines();
    const std::vector<std::size_t> chosen = selectPlugLines(*list_, site(), *verdicts_, selection);
    if (replace) selectNone();
    selectLines(chosen, false);
    for (std::size_t line : chosen) {
        if (!std::binary_search(before.begin(), before.end(), line)) {
            setCurrentLine(line);
            break;
        }
    }
}

void CTestView::sortPlugs(int criterion, const std::string &mask, bool ascending) {
    model::sortPlugs(doc_.sites()[site_], criterion, mask, ascending, NumberFormat(programRegional().decimal));
    doc_.plugsReordered(site_);
}

bool CTestView::renamePlug(const std::string &newId) {
    const std::vector<std::size_t> lines = selectedLines();
    if (lines.empty()) {
        return reportNoSelection();
    }
    if (plugIdTaken(*list_, site(), newId)) {
        env_.prompt->show(toUtf8(appTitle()), cp1252ToUtf8(formatResource(276, newId)), MessageIcon::Exclamation,
                          MessageButtons::Ok);
        return false;
    }
    const std::size_t plug = list_->lines()[*plugLineOf(lines.front())].plug;
    doc_.sites()[site_].plugs[plug].plugId = newId;
    doc_.plugsRenamed(site_);
    return true;
}

void CTestView::setMasks(std::uint32_t syntheticMask, std::uint32_t detailedMask) {
    syntheticMask_ = syntheticMask;
    detailedMask_ = detailedMask;
    rebuild();
}

int CTestView::exportTo(const std::string &path, ExportMode mode) const {
    return writeExport(path, exportInput(), mode);
}

void CTestView::rebuild() {
    const std::vector<std::size_t> plugs = selectedPlugs();
    const auto current = currentLine();
    list_->setMasks(syntheticMask_, detailedMask_);
    showLines();
    reselectPlugs(plugs);
    if (current && *current < list_->lines().size()) setCurrentLine(*current);
}

void CTestView::reload() {
    list_->showAll();
    showLines();
}

}  // namespace quillet::autotest
