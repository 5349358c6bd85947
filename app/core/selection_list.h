// The lines of a transfer selection dialog and its rules, kept apart from
// the window: tab-separated fields, selection, sorting by a column's text,
// the choice on OK and the deletion of sites from a file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillet {

// Field `column` (0-based) of a tab-separated line; "" past the last field.
std::string tabField(const std::string &line, int column);

struct SelectionLine {
    std::string text;
    bool selected = false;
};

enum class DeleteCheck { NoSelection, AllSelected, Allowed };

class SelectionList {
public:
    explicit SelectionList(const std::vector<std::string> &lines);

    const std::vector<SelectionLine> &lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    void setSelected(std::size_t row, bool selected);
    void selectAll();
    bool anySelected() const;

    // A header button: the column already sorted on reverses its order,
    // another column becomes the sort column in increasing order. The lines
    // are then put in order by that field, byte by byte.
    void clickHeader(int column);
    int sortColumn() const { return sortColumn_; }
    bool increasing() const { return increasing_; }

    // OK: with nothing selected everything is; the selected lines in list
    // order.
    std::vector<std::string> confirm();

    // Deleting from a file keeps at least one site.
    DeleteCheck checkDelete() const;
    // Moves the selected lines to the deletion list.
    void deleteSelected();
    const std::vector<std::string> &deleted() const { return deleted_; }

private:
    void sortLines();

    std::vector<SelectionLine> lines_;
    std::vector<std::string> deleted_;
    int sortColumn_ = 0;
    bool increasing_ = true;
};

}  // namespace quillet
