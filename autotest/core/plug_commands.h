// The rules of the plug-list commands that need no window: matching a plug
// identifier against a root ("?" matches any character, letters in either
// case), the search from the current line, the selection by root and
// failing measurements, the sort mask proposed from an identifier, and the
// file names proposed for saving and exporting.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plug_list.h"

namespace quillet::autotest {

// The identifier begins with the root; "?" in the root matches any
// character, letters match in either case; an empty root matches all.
bool plugIdMatchesRoot(const std::string &id, const std::string &root);

// The first plug line after `current` (wrapping to the top, `current`
// itself last) whose plug identifier begins with the root.
std::optional<std::size_t> findPlugLine(const PlugList &list, const model::CSite &site, const std::string &root,
                                        std::optional<std::size_t> current);

// Whether another plug line's identifier begins with the new identifier,
// which refuses the renaming.
bool plugIdTaken(const PlugList &list, const model::CSite &site, const std::string &newId);

// "X" for each digit of the identifier, "?" for every other character.
std::string proposedSortMask(const std::string &id);

// A condition of the selection by failing: none, the plug fails the
// measurement, the plug does not fail it.
enum class FailCondition { Any, Fails, DoesNotFail };
using FailConditions = std::array<FailCondition, model::kColumnCount>;

struct PlugSelection {
    std::string root;
    FailConditions conditions{};
};

// The plug lines that the selection picks, in list order.
std::vector<std::size_t> selectPlugLines(const PlugList &list, const model::CSite &site,
                                         const model::SiteVerdicts &verdicts, const PlugSelection &selection);

// A file name proposed from a document title: cut to `maxLength`
// characters (0: no cut), then before the first space, "#", "%", ";", "/"
// or backslash, followed by the extension.
std::string proposedFileName(const std::string &title, std::size_t maxLength, const std::string &extension);

}  // namespace quillet::autotest
