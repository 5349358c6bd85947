// CTestSiteView: the site summary at the top of a site window (title, site,
// wiring, cable, standard, tester, user, the counts of the plugs the list
// shows, comment), drawn in the list's fixed-pitch font with tab stops at
// 1, 25, 27 and 29 half-characters.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "list_line_model.h"

class QListView;

namespace quillet::autotest {

class CTestSiteView : public QWidget {
    Q_OBJECT
public:
    explicit CTestSiteView(QWidget *parent = nullptr);

    void setLines(const std::vector<std::string> &lines);
    QListView *listView() const { return view_; }
    const std::vector<ListLine> &lines() const { return lines_; }

private:
    std::vector<ListLine> lines_;
    ListColours colours_;
    ListLineModel *model_;
    ListLineDelegate *delegate_;
    QListView *view_;
};

}  // namespace quillet::autotest
