// Sending a tester query again when the line, not the tester, made it fail:
// one burst of noise or one truncated reply must not lose a site of a
// thousand sections. A tester's error reply is never sent again.
#pragma once

#include <functional>

namespace quillet::model {

// How many times a query is sent again after a line fault.
inline constexpr int kQueryRetries = 2;

enum class QueryEnd { Done, Failed, LineFault };

// Runs `query` (which returns 0 or a negative failure), up to kQueryRetries
// more times while it fails because of the line and `cancelled` says no.
// The library drains the line before each send of a query that follows a
// fault, so a late reply cannot answer the next send. `result` gets the
// last result.
QueryEnd runWithRetries(const std::function<int()> &query, const std::function<bool()> &cancelled, int &result);

// Whether the last failure of a query was the line's (time-out, dropped
// line, damaged reply) rather than the tester's refusal.
bool lastFailureWasLine();

}  // namespace quillet::model
