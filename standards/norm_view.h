// CNormView: the read-only listing of a standards document, one line per
// row in the fixed-pitch listing font, its fields at the listing's tab
// stops. The lines come from the listing builder and are rebuilt whenever
// the document changes.
#pragma once

#include <QListView>
#include <string>
#include <vector>

class QStringListModel;

namespace quillet {

class CNormView : public QListView {
    Q_OBJECT
public:
    explicit CNormView(QWidget *parent = nullptr);
    QSize sizeHint() const override;

    // Shows the lines (Windows-1252, as the listing holds them).
    void setListing(const std::vector<std::string> &lines);
    const std::vector<std::string> &listing() const { return lines_; }
    // The selected lines in order, or every line when none is selected.
    std::vector<std::string> selectedLines() const;

protected:
    // Home, End, Left and Right scroll the listing sideways (with Ctrl: to
    // the far end); the other keys move through the lines.
    void keyPressEvent(QKeyEvent *event) override;

signals:
    // The 1-based number of the current line, for the status bar.
    void currentLineChanged(int line);

private:
    QStringListModel *model_;
    std::vector<std::string> lines_;
};

}  // namespace quillet
