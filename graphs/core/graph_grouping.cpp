#include "graph_grouping.h"

#include <algorithm>
#include <filesystem>

namespace quillet::graphs {
namespace {

bool listsSite(const std::string &list, const std::string &name) {
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t end = std::min(list.find(", ", at), list.size());
        if (list.compare(at, end - at, name) == 0) return true;
        at = end + 2;
    }
    return false;
}

}  // namespace

void addToGraphFile(model::GraphFile &existing, const model::GraphFile &added) {
    std::size_t at = 0;
    const std::string &names = added.siteList;
    while (!names.empty() && at <= names.size()) {
        const std::size_t end = std::min(names.find(", ", at), names.size());
        const std::string name = names.substr(at, end - at);
        if (!listsSite(existing.siteList, name))
            existing.siteList += (existing.siteList.empty() ? "" : ", ") + name;
        at = end + 2;
    }
    existing.curves.insert(existing.curves.end(), added.curves.begin(), added.curves.end());
}

model::SaveResult saveGraphDocument(const std::string &path, const model::GraphFile &file, bool add) {
    std::error_code error;
    if (!add || !std::filesystem::exists(path, error)) return model::saveGraphFile(path, file);
    auto existing = model::loadGraphFile(path);
    if (!existing) return existing.error();
    addToGraphFile(existing.value(), file);
    return model::saveGraphFile(path, existing.value());
}

}  // namespace quillet::graphs
