// CGraphFrame: the window of a plot, a splitter holding the plot view and
// its legend pane side by side (the plot four fifths of the width), which
// passes the plot commands on to the view.
#pragma once

#include <QSplitter>

#include "command_target.h"

namespace quillet {

class CGraphView;
class CGraphListView;

class CGraphFrame : public QSplitter, public CommandTarget {
    Q_OBJECT
public:
    // The frame takes the view (made by the caller, so a derived view can
    // be given) and makes its legend pane.
    explicit CGraphFrame(CGraphView *view, QWidget *parent = nullptr);

    CGraphView *view() const { return view_; }
    CGraphListView *legendPane() const { return legend_; }

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void onCommand(int id) override;

private:
    CGraphView *view_;
    CGraphListView *legend_;
};

}  // namespace quillet
