#include "test_site_view.h"

#include <QListView>
#include <QVBoxLayout>

namespace quillet::autotest {

CTestSiteView::CTestSiteView(QWidget *parent)
    : QWidget(parent), model_(new ListLineModel(this)), view_(new QListView(this)) {
    view_->setFont(listFont());
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTextElideMode(Qt::ElideNone);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->setModel(model_);
    delegate_ = new ListLineDelegate(*model_, colours_, this);
    const int halfChar = view_->fontMetrics().averageCharWidth() / 2;
    QList<int> stops;
    for (int half : {1, 25, 27, 29}) stops.append(half * halfChar);
    delegate_->setStops(stops, stops);
    view_->setItemDelegate(delegate_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void CTestSiteView::setLines(const std::vector<std::string> &lines) {
    lines_.clear();
    for (const std::string &text : lines) lines_.push_back({text, {}});
    std::vector<const ListLine *> shown;
    for (const ListLine &line : lines_) shown.push_back(&line);
    model_->setLines(std::move(shown));
}

}  // namespace quillet::autotest
