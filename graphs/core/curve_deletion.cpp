#include "curve_deletion.h"

#include <algorithm>
#include <functional>

namespace quillet::graphs {

bool deleteCurves(model::GraphFile &file, std::vector<int> indexes) {
    const int count = static_cast<int>(file.curves.size());
    std::erase_if(indexes, [count](int i) { return i < 0 || i >= count; });
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    if (static_cast<int>(indexes.size()) >= count) return false;
    for (int index : indexes) file.curves.erase(file.curves.begin() + index);  // from the last one
    return true;
}

std::vector<int> channelsAfterDeletion(const std::vector<int> &channels, int deleted) {
    std::vector<int> kept;
    for (int channel : channels) {
        if (channel == deleted) continue;
        kept.push_back(channel > deleted ? channel - 1 : channel);
    }
    return kept;
}

}  // namespace quillet::graphs
