#include "version_check.h"

namespace quillet {

bool isRecentEnough(const std::string &own, const std::string &releaseMinimum,
                    const std::string &testMinimum) {
    return (own >= releaseMinimum && own < "Z.00") || own >= testMinimum;
}

}  // namespace quillet
