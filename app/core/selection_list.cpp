#include "selection_list.h"

#include <algorithm>
#include <utility>

namespace quillet {

std::string tabField(const std::string &line, int column) {
    std::size_t begin = 0;
    for (int i = 0; i < column; ++i) {
        begin = line.find('\t', begin);
        if (begin == std::string::npos) return {};
        ++begin;
    }
    const std::size_t end = line.find('\t', begin);
    return line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

SelectionList::SelectionList(const std::vector<std::string> &lines) {
    lines_.reserve(lines.size());
    for (const auto &text : lines) lines_.push_back({text, false});
}

void SelectionList::setSelected(std::size_t row, bool selected) {
    if (row < lines_.size()) lines_[row].selected = selected;
}

void SelectionList::selectAll() {
    for (auto &line : lines_) line.selected = true;
}

bool SelectionList::anySelected() const {
    return std::any_of(lines_.begin(), lines_.end(), [](const SelectionLine &l) { return l.selected; });
}

void SelectionList::clickHeader(int column) {
    if (column == sortColumn_) {
        increasing_ = !increasing_;
    } else {
        sortColumn_ = column;
        increasing_ = true;
    }
    sortLines();
}

// A selection sort: each place receives the first line whose field comes
// first among those left, so lines with equal fields keep no promised order.
void SelectionList::sortLines() {
    const auto before = [this](const SelectionLine &a, const SelectionLine &b) {
        const std::string fa = tabField(a.text, sortColumn_);
        const std::string fb = tabField(b.text, sortColumn_);
        return increasing_ ? fa < fb : fb < fa;
    };
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < lines_.size(); ++j) {
            if (before(lines_[j], lines_[best])) best = j;
        }
        if (best != i) std::swap(lines_[i], lines_[best]);
    }
}

std::vector<std::string> SelectionList::confirm() {
    if (!anySelected()) selectAll();
    std::vector<std::string> chosen;
    for (const auto &line : lines_) {
        if (line.selected) chosen.push_back(line.text);
    }
    return chosen;
}

DeleteCheck SelectionList::checkDelete() const {
    if (!anySelected()) return DeleteCheck::NoSelection;
    const bool all = std::all_of(lines_.begin(), lines_.end(), [](const SelectionLine &l) { return l.selected; });
    return all ? DeleteCheck::AllSelected : DeleteCheck::Allowed;
}

void SelectionList::deleteSelected() {
    std::vector<SelectionLine> kept;
    for (auto &line : lines_) {
        if (line.selected)
            deleted_.push_back(std::move(line.text));
        else
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
}

}  // namespace quillet
