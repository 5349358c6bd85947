// "D&elete curves...": the curves chosen in dialog 110 leave the document,
// never all of them, and the plot's slots follow the renumbering.
#pragma once

#include <vector>

#include "graph_file.h"

namespace quillet::graphs {

// Removes the curves of the given indexes (any order, repeats ignored).
// False, and nothing removed, when that would leave no curve.
bool deleteCurves(model::GraphFile &file, std::vector<int> indexes);

// The channels the plot's slots show once curve `deleted` is gone: a
// slot showing it is dropped, later curves move down by one.
std::vector<int> channelsAfterDeletion(const std::vector<int> &channels, int deleted);

}  // namespace quillet::graphs
