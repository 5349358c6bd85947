#include "query_retry.h"

#include "torvlink.h"

namespace quillet::model {

bool lastFailureWasLine() {
    const int32_t fault = TorvlinkGetLastQueryFault();
    return fault == TORVLINK_FAULT_LINE || fault == TORVLINK_FAULT_CLOSED;
}

QueryEnd runWithRetries(const std::function<int()> &query, const std::function<bool()> &cancelled, int &result) {
    for (int send = 0;; ++send) {
        result = query();
        if (result >= 0) return QueryEnd::Done;
        if (!lastFailureWasLine()) return QueryEnd::Failed;
        if (send == kQueryRetries || cancelled()) return QueryEnd::LineFault;
    }
}

}  // namespace quillet::model
