#include "plug_list.h"

#include <algorithm>

#include "detail_lines.h"

namespace quillet::autotest {

PlugList::PlugList(const ListContext &context, std::uint32_t syntheticMask, std::uint32_t detailedMask)
    : context_(context), syntheticMask_(syntheticMask), detailedMask_(detailedMask) {
    showAll();
}

void PlugList::showAll() {
    shown_.clear();
    for (std::size_t i = 0; i < context_.site.plugs.size(); ++i) shown_.push_back({i, false});
    rebuild();
}

void PlugList::setMasks(std::uint32_t syntheticMask, std::uint32_t detailedMask) {
    syntheticMask_ = syntheticMask;
    detailedMask_ = detailedMask;
    rebuild();
}

ListLine PlugList::heading() const { return headingLine(context_, syntheticMask_); }

std::vector<const model::CPrise *> PlugList::listedPlugs() const {
    std::vector<const model::CPrise *> plugs;
    for (const Shown &s : shown_) plugs.push_back(&context_.site.plugs[s.plug]);
    return plugs;
}

std::vector<std::string> PlugList::summaryLines(const std::string &title) const {
    return siteSummaryLines(context_, listedPlugs(), title);
}

bool PlugList::isDetailed(std::size_t line) const {
    return line + 1 < lines_.size() && !lines_[line].detail && lines_[line + 1].detail;
}

// Plugs are numbered by their place in the site, so the lines are built
// afresh from what is shown rather than patched.
void PlugList::rebuild() {
    lines_.clear();
    for (const Shown &s : shown_) {
        const model::CPrise &plug = context_.site.plugs[s.plug];
        lines_.push_back({plugLine(context_, plug, static_cast<int>(s.plug + 1), syntheticMask_), s.plug, false});
        if (!s.detailed) continue;
        for (ListLine &line : detailLines(context_, plug, detailedMask_)) lines_.push_back({std::move(line), s.plug, true});
    }
}

std::vector<bool> PlugList::plugsOfLines(const std::vector<std::size_t> &lines) const {
    std::vector<bool> selected(context_.site.plugs.size(), false);
    for (std::size_t line : lines) {
        if (line < lines_.size() && !lines_[line].detail) selected[lines_[line].plug] = true;
    }
    return selected;
}

DetailOutcome PlugList::detail(const std::vector<std::size_t> &lines) {
    const std::vector<bool> selected = plugsOfLines(lines);
    const model::CPrise *any = nullptr;
    for (const Shown &s : shown_) {
        if (selected[s.plug]) any = &context_.site.plugs[s.plug];
    }
    if (!any) return {};
    // Every block of the site has the same size: it depends on the masks
    // and the standard only.
    const std::size_t block = detailLines(context_, *any, detailedMask_).size();
    std::size_t total = lines_.size();
    DetailOutcome outcome;
    for (Shown &s : shown_) {
        if (!selected[s.plug] || s.detailed) continue;
        if (total + block > kMaxLines) {
            outcome.complete = false;
            // More plug lines than the list holds leave room for no block at all.
            outcome.mostPlugs = shown_.size() >= kMaxLines
                                    ? 0
                                    : std::max<std::size_t>(1, (kMaxLines - shown_.size()) / std::max<std::size_t>(1, block));
            break;
        }
        s.detailed = true;
        total += block;
    }
    blockSize_ = block;
    rebuild();
    return outcome;
}

DetailOutcome PlugList::detailAll() {
    std::vector<std::size_t> all(lines_.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    return detail(all);
}

void PlugList::contract(const std::vector<std::size_t> &lines) {
    const std::vector<bool> selected = plugsOfLines(lines);
    for (Shown &s : shown_) {
        if (selected[s.plug]) s.detailed = false;
    }
    rebuild();
}

void PlugList::contractAll() {
    for (Shown &s : shown_) s.detailed = false;
    rebuild();
}

void PlugList::keepPlugs(const std::vector<bool> &selected, bool keepSelected) {
    std::erase_if(shown_, [&](const Shown &s) { return selected[s.plug] != keepSelected; });
    for (Shown &s : shown_) s.detailed = false;
    rebuild();
}

void PlugList::hide(const std::vector<std::size_t> &lines) { keepPlugs(plugsOfLines(lines), false); }

void PlugList::hideOthers(const std::vector<std::size_t> &lines) { keepPlugs(plugsOfLines(lines), true); }

}  // namespace quillet::autotest
