#include "queries.h"

#include "fields.h"
#include "torvlink.h"

namespace torvlink {

std::string formatCommand(const char *name, int32_t argument) {
    return std::string(name) + " " + std::to_string(static_cast<uint16_t>(argument));
}

std::string formatCommand(const char *name, int32_t first, int32_t second) {
    return formatCommand(name, first) + ", " + std::to_string(static_cast<uint16_t>(second));
}

int32_t runLineQuery(const std::string &command, char *buffer, int32_t size, int32_t timeoutSeconds) {
    if (int32_t code = discardPendingInput(); code != TORVIK_OK) return code;
    if (int32_t code = TorvikOutput(command.c_str()); code != TORVIK_OK) return code;
    if (int32_t code = TorvikInput(buffer, size, timeoutSeconds); code != TORVIK_OK) return code;
    return TorvikCheckError(1);
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
        if (discardPendingInput() != TORVIK_OK) return TORVIK_ERR_QUERY;
        if (TorvikOutput(command.c_str()) != TORVIK_OK) return TORVIK_ERR_QUERY;
        if (TorvikBlocInput(buffer, capacity, &length, 3) != TORVIK_OK) return TORVIK_ERR_QUERY;
        if (TorvikCheckError(1) != TORVIK_OK) return TORVIK_ERR_QUERY;
        if (IsTorvikCrc16Ok(buffer, length)) return TORVIK_OK;  // never for an empty block
    }
    return TORVIK_ERR_QUERY;
}

}  // namespace torvlink
