#include "queries.h"

#include "fields.h"
#include "link_state.h"
#include "torvlink.h"

namespace torvlink {

std::string formatCommand(const char *name, int32_t argument) {
    return std::string(name) + " " + std::to_string(static_cast<uint16_t>(argument));
}

std::string formatCommand(const char *name, int32_t first, int32_t second) {
    return formatCommand(name, first) + ", " + std::to_string(static_cast<uint16_t>(second));
}

namespace {

// What a failing step's code says about the exchange. The library's own
// codes mean the line (or the reply's form) failed; any other is the
// tester's error number.
int32_t faultOfCode(int32_t code) {
    switch (code) {
    case TORVIK_OK:
        return TORVLINK_FAULT_NONE;
    case TORVIK_ERR_CLOSED:
        return TORVLINK_FAULT_CLOSED;
    case TORVIK_ERR_QUERY:
    case TORVIK_ERR_PARTIAL_WRITE:
    case TORVIK_ERR_PORT:
    case TORVIK_ERR_ERROR_REPLY:
    case TORVIK_ERR_BLOCK_HEADER:
        return TORVLINK_FAULT_LINE;
    default:
        return TORVLINK_FAULT_TESTER_ERROR;
    }
}

// Records why the query ended; a line fault leaves the line in doubt.
int32_t endQuery(int32_t fault, int32_t code) {
    link().lastQueryFault = fault;
    if (fault == TORVLINK_FAULT_LINE || fault == TORVLINK_FAULT_CRC) link().replyMayFollow = true;
    return code;
}

int32_t endStep(int32_t code) { return endQuery(faultOfCode(code), code); }

}  // namespace

int32_t runLineQuery(const std::string &command, char *buffer, int32_t size, int32_t timeoutSeconds) {
    if (int32_t code = discardPendingInput(); code != TORVIK_OK) return endStep(code);
    if (int32_t code = TorvikOutput(command.c_str()); code != TORVIK_OK) return endStep(code);
    if (int32_t code = TorvikInput(buffer, size, timeoutSeconds); code != TORVIK_OK) return endStep(code);
    return endStep(TorvikCheckError(1));
}

int32_t runCountQuery(const std::string &command) {
    char line[80];
    if (runLineQuery(command, line, sizeof line) != TORVIK_OK) return -1;
    return leadingInt(line);
}

int32_t runBlockQuery(const std::string &command, void *buffer, int32_t capacity, uint16_t &length) {
    constexpr int kSends = 3;
    length = 0;
    for (int send = 0; send < kSends; ++send) {
        if (int32_t code = discardPendingInput(); code != TORVIK_OK) return endQuery(faultOfCode(code), -1);
        if (int32_t code = TorvikOutput(command.c_str()); code != TORVIK_OK)
            return endQuery(faultOfCode(code), -1);
        if (int32_t code = TorvikBlocInput(buffer, capacity, &length, 3); code != TORVIK_OK)
            return endQuery(faultOfCode(code), -1);
        if (int32_t code = TorvikCheckError(1); code != TORVIK_OK) return endQuery(faultOfCode(code), -1);
        if (IsTorvikCrc16Ok(buffer, length)) return endQuery(TORVLINK_FAULT_NONE, TORVIK_OK);  // never when empty
        if (length > 0) link().replyMayFollow = true;  // the rest of a damaged reply may still be arriving
    }
    return endQuery(length == 0 ? TORVLINK_FAULT_EMPTY : TORVLINK_FAULT_CRC, -1);
}

}  // namespace torvlink

extern "C" int32_t TorvlinkGetLastQueryFault(void) { return torvlink::link().lastQueryFault; }
