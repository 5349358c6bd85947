// CGraphListView: the legend pane beside a plot, its lines in their colours
// (headings underlined, the abscissa curve bold), rebuilt whenever the plot
// says so; a click on a curve's line selects that curve.
#pragma once

#include <QListWidget>

namespace quillet {

class CGraphView;

class CGraphListView : public QListWidget {
    Q_OBJECT
public:
    explicit CGraphListView(CGraphView &view, QWidget *parent = nullptr);
    void rebuild();

private:
    CGraphView &view_;
};

}  // namespace quillet
