// The plug list of a site window, without the window: the plug line of
// every plug shown, in the site's order, each followed by its detail block
// while the plug is detailed. The window draws these lines, the report
// prints them and the export writes them; the commands of the list (detail,
// contract, hide) work on them here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "list_lines.h"

namespace quillet::autotest {

struct PlugListLine {
    ListLine line;
    std::size_t plug = 0;  // index of the plug in the site
    bool detail = false;   // a line of the plug's detail block
};

// The outcome of a Detail command: complete, or stopped because the list
// would exceed its line limit; `mostPlugs` is then how many plugs can be
// detailed at most (for the message "Unable to detail more than %1 plugs").
struct DetailOutcome {
    bool complete = true;
    std::size_t mostPlugs = 0;
};

class PlugList {
public:
    // A list box holds at most this many lines.
    static constexpr std::size_t kMaxLines = 32767;

    PlugList(const ListContext &context, std::uint32_t syntheticMask, std::uint32_t detailedMask);

    // Every plug of the site, in its order, none detailed.
    void showAll();
    // New column masks; the plugs shown and detailed stay.
    void setMasks(std::uint32_t syntheticMask, std::uint32_t detailedMask);

    const std::vector<PlugListLine> &lines() const { return lines_; }
    ListLine heading() const;
    std::vector<const model::CPrise *> listedPlugs() const;
    // The site summary over the plugs shown, under the report title.
    std::vector<std::string> summaryLines(const std::string &title) const;
    std::uint32_t detailedMask() const { return detailedMask_; }
    // A plug line followed by its detail block.
    bool isDetailed(std::size_t line) const;
    // Lines of the detail block the list inserted last.
    std::size_t blockSize() const { return blockSize_; }

    // Details the plugs of the given plug lines (detail lines and plugs
    // already detailed are passed over), in list order, until the next
    // block would not fit in the list.
    DetailOutcome detail(const std::vector<std::size_t> &lines);
    DetailOutcome detailAll();
    void contract(const std::vector<std::size_t> &lines);
    void contractAll();
    // Contracts every plug, then removes the plugs of the given plug lines
    // (hide) or every other plug (hide others).
    void hide(const std::vector<std::size_t> &lines);
    void hideOthers(const std::vector<std::size_t> &lines);

private:
    struct Shown {
        std::size_t plug;
        bool detailed;
    };

    std::vector<bool> plugsOfLines(const std::vector<std::size_t> &lines) const;
    void keepPlugs(const std::vector<bool> &selected, bool keepSelected);
    void rebuild();

    ListContext context_;
    std::uint32_t syntheticMask_;
    std::uint32_t detailedMask_;
    std::vector<Shown> shown_;
    std::vector<PlugListLine> lines_;
    std::size_t blockSize_ = 0;
};

}  // namespace quillet::autotest
