#include "plug_commands.h"

#include <cctype>

namespace quillet::autotest {
namespace {

char folded(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

const std::string &idOfLine(const PlugList &list, const model::CSite &site, std::size_t line) {
    return site.plugs[list.lines()[line].plug].plugId;
}

bool fails(const model::SiteVerdicts &verdicts, model::Column column, const model::CPrise &plug) {
    return !verdicts.evaluate(column, plug).pass;
}

}  // namespace

bool plugIdMatchesRoot(const std::string &id, const std::string &root) {
    if (root.size() > id.size()) return false;
    for (std::size_t i = 0; i < root.size(); ++i) {
        if (root[i] != '?' && folded(root[i]) != folded(id[i])) return false;
    }
    return true;
}

std::optional<std::size_t> findPlugLine(const PlugList &list, const model::CSite &site, const std::string &root,
                                        std::optional<std::size_t> current) {
    const std::size_t count = list.lines().size();
    const std::size_t start = current ? *current + 1 : 0;
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t line = (start + n) % count;
        if (!list.lines()[line].detail && plugIdMatchesRoot(idOfLine(list, site, line), root)) return line;
    }
    return std::nullopt;
}

bool plugIdTaken(const PlugList &list, const model::CSite &site, const std::string &newId) {
    for (std::size_t line = 0; line < list.lines().size(); ++line) {
        if (!list.lines()[line].detail && plugIdMatchesRoot(idOfLine(list, site, line), newId)) return true;
    }
    return false;
}

std::string proposedSortMask(const std::string &id) {
    std::string mask;
    for (char c : id) mask += std::isdigit(static_cast<unsigned char>(c)) ? 'X' : '?';
    return mask;
}

std::vector<std::size_t> selectPlugLines(const PlugList &list, const model::CSite &site,
                                         const model::SiteVerdicts &verdicts, const PlugSelection &selection) {
    std::vector<std::size_t> chosen;
    for (std::size_t line = 0; line < list.lines().size(); ++line) {
        if (list.lines()[line].detail) continue;
        const model::CPrise &plug = site.plugs[list.lines()[line].plug];
        if (!plugIdMatchesRoot(plug.plugId, selection.root)) continue;
        bool agrees = true;
        for (int c = 0; c < model::kColumnCount && agrees; ++c) {
            const FailCondition condition = selection.conditions[static_cast<std::size_t>(c)];
            if (condition == FailCondition::Any) continue;
            agrees = fails(verdicts, static_cast<model::Column>(c), plug) == (condition == FailCondition::Fails);
        }
        if (agrees) chosen.push_back(line);
    }
    return chosen;
}

std::string proposedFileName(const std::string &title, std::size_t maxLength, const std::string &extension) {
    std::string name = maxLength ? title.substr(0, maxLength) : title;
    name = name.substr(0, name.find_first_of(" #%;/\\"));
    return name + extension;
}

}  // namespace quillet::autotest
