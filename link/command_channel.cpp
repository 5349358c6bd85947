// The command channel: sending a command, reading a reply line or block,
// and the error query that follows every reply.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

#include "fields.h"
#include "link_state.h"
#include "oem_ansi.h"
#include "platform_ui.h"
#include "text_copy.h"
#include "torvlink.h"

namespace torvlink {
namespace {

uint32_t timeoutMsOf(int32_t timeoutSeconds) {
    return static_cast<uint32_t>(static_cast<uint16_t>(timeoutSeconds)) * 1000u;
}

// Writes all of `bytes`: 0, -28 for a partial write, -100 for a failure.
int32_t writeAll(std::string_view bytes) {
    int error = 0;
    int32_t sent = link().port->write(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size(), error);
    if (sent < 0) return portFailure(error);
    if (static_cast<std::size_t>(sent) < bytes.size()) return TORVIK_ERR_PARTIAL_WRITE;
    return TORVIK_OK;
}

// One read of `size` bytes under one deadline. A port failure, or a
// time-out before the first byte, is -100; otherwise `got` holds the count.
int32_t readSome(uint8_t *data, std::size_t size, uint32_t timeoutMs, std::size_t &got) {
    int error = 0;
    int32_t n = link().port->read(data, size, timeoutMs, error);
    if (n < 0) return portFailure(error);
    got = static_cast<std::size_t>(n);
    if (n == 0 && size > 0) return portFailure(ETIMEDOUT);
    return TORVIK_OK;
}

std::string errorMessageText(std::string_view errorText) {
    std::string converted(errorText);
    oemToAnsi(converted.data(), converted.size());
    return std::string(libraryText(29)) + ":\n  " + converted + "\n" + libraryText(30) + ":\n  " +
           link().lastCommand;
}

int32_t readTextBlock(char *buffer, int32_t capacity, uint16_t &length, int32_t timeoutSeconds) {
    buffer[0] = '\0';
    std::size_t used = 0;
    for (;;) {
        int32_t room = capacity - static_cast<int32_t>(used);
        int32_t code = TorvikInput(buffer + used, room, timeoutSeconds);
        if (code != TORVIK_OK) return code;
        used += std::strlen(buffer + used);
        if (used >= 2 && buffer[used - 1] == '\n' && buffer[used - 2] == '\n') break;
    }
    length = static_cast<uint16_t>(used);
    return TORVIK_OK;
}

int32_t readBinaryBlock(uint8_t *buffer, int32_t capacity, uint16_t &length, int digits,
                        uint32_t timeoutMs) {
    char lengthDigits[10] = {};
    std::size_t got = 0;
    if (int32_t code = readSome(reinterpret_cast<uint8_t *>(lengthDigits), static_cast<std::size_t>(digits),
                                timeoutMs, got);
        code != TORVIK_OK)
        return code;
    if (got < static_cast<std::size_t>(digits)) return portFailure(ETIMEDOUT);
    const auto declared = static_cast<std::size_t>(leadingInt(lengthDigits));

    // Nothing is stored beyond the capacity: the excess is read and dropped,
    // and the CRC check of the caller then refuses the truncated block.
    const std::size_t wanted = std::min(declared, static_cast<std::size_t>(capacity));
    std::size_t stored = 0;
    if (wanted > 0) {
        if (int32_t code = readSome(buffer, wanted, timeoutMs, stored); code != TORVIK_OK) return code;
    }
    for (std::size_t left = stored == wanted ? declared - wanted : 0; left > 0;) {
        uint8_t scratch[256];
        std::size_t dropped = 0;
        if (int32_t code = readSome(scratch, std::min(left, sizeof scratch), timeoutMs, dropped);
            code != TORVIK_OK)
            return code;
        left -= dropped;
    }
    uint8_t terminator = 0;
    std::size_t ignored = 0;
    if (int32_t code = readSome(&terminator, 1, timeoutMs, ignored); code != TORVIK_OK) return code;
    length = static_cast<uint16_t>(std::min<std::size_t>(stored, 0xFFFF));
    return TORVIK_OK;
}

}  // namespace

// A reply that comes after its query gave up must not be read as the
// answer to the next one: after a time-out or a garbled reply the line is
// drained until it has been quiet for a while (bounded, so a chattering
// line cannot hold the program).
constexpr uint32_t kQuietMs = 1000;
constexpr auto kSettleLimit = std::chrono::milliseconds(4 * kQuietMs);

void settleLine() {
    const auto limit = std::chrono::steady_clock::now() + kSettleLimit;
    uint8_t scratch[256];
    for (;;) {
        link().port->discardInput();
        int error = 0;
        const int32_t got = link().port->read(scratch, sizeof scratch, kQuietMs, error);
        if (got <= 0 || std::chrono::steady_clock::now() >= limit) break;
    }
    link().replyMayFollow = false;
}

int32_t discardPendingInput() {
    if (!linkIsOpen()) return TORVIK_ERR_CLOSED;
    if (link().replyMayFollow) settleLine();
    link().port->discardInput();
    return TORVIK_OK;
}

}  // namespace torvlink

using namespace torvlink;

extern "C" {

int32_t TorvikOutput(const char *command) {
    if (!linkIsOpen()) return TORVIK_ERR_CLOSED;
    link().port->discardInput();
    link().lastCommand = "REM\n";
    if (int32_t code = writeAll(link().lastCommand); code != TORVIK_OK) return code;
    link().lastCommand = std::string(command ? command : "") + "\n";
    return writeAll(link().lastCommand);
}

int32_t TorvikInput(char *buffer, int32_t size, int32_t timeoutSeconds) {
    if (!linkIsOpen()) return TORVIK_ERR_CLOSED;
    if (!buffer || size < 1) return TORVIK_ERR_QUERY;
    const uint32_t timeoutMs = timeoutMsOf(timeoutSeconds);
    int32_t used = 0;
    buffer[0] = '\0';
    for (;;) {
        uint8_t byte = 0;
        std::size_t got = 0;
        if (int32_t code = readSome(&byte, 1, timeoutMs, got); code != TORVIK_OK) return code;
        if (used == size - 1) break;  // full: this byte is dropped, the rest stays pending
        buffer[used++] = static_cast<char>(byte);
        buffer[used] = '\0';
        if (byte == '\n') break;
    }
    return TORVIK_OK;
}

int32_t TorvikBlocInput(void *buffer, int32_t capacity, uint16_t *length, int32_t timeoutSeconds) {
    if (!linkIsOpen()) return TORVIK_ERR_CLOSED;
    if (!buffer || !length || capacity < 1) return TORVIK_ERR_QUERY;
    *length = 0;
    const uint32_t timeoutMs = timeoutMsOf(timeoutSeconds);
    uint8_t header[2] = {};
    std::size_t got = 0;
    if (int32_t code = readSome(header, 2, timeoutMs, got); code != TORVIK_OK) return code;
    if (header[0] != '#') {
        TorvikCheckError(1);
        return TORVIK_ERR_BLOCK_HEADER;
    }
    if (got < 2) return portFailure(ETIMEDOUT);
    if (header[1] == '0')
        return readTextBlock(static_cast<char *>(buffer), capacity, *length, timeoutSeconds);
    if (header[1] < '1' || header[1] > '9') {
        TorvikCheckError(1);
        return TORVIK_ERR_BLOCK_HEADER;
    }
    return readBinaryBlock(static_cast<uint8_t *>(buffer), capacity, *length, header[1] - '0', timeoutMs);
}

int32_t TorvikCheckError(int32_t show) {
    if (!linkIsOpen()) return TORVIK_ERR_CLOSED;
    link().port->discardInput();
    if (int32_t code = writeAll("ERR?\n"); code != TORVIK_OK) return code;

    char line[80];
    if (int32_t code = TorvikInput(line, sizeof line, 3); code != TORVIK_OK) return code;
    FieldSplitter fields(line);
    auto number = fields.next(",\n");
    if (!number) {
        if (int32_t code = TorvikInput(line, sizeof line, 3); code != TORVIK_OK) return code;
        fields = FieldSplitter(line);
        number = fields.next(",\n");
        if (!number) return TORVIK_ERR_ERROR_REPLY;
    }
    const int32_t errorNumber = leadingInt(*number);
    const auto text = fields.next(",");
    if (!text) return TORVIK_ERR_QUERY;
    if (errorNumber == 0) return TORVIK_OK;

    if (show) showMessage("Torvlink", errorMessageText(*text), TORVLINK_ICON_WARNING);
    TorvikOutput("CL_ERR");
    return errorNumber;
}

}  // extern "C"
