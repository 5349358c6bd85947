// A simulated tester on a pseudo-terminal.
//
// The simulator opens a pseudo-terminal, keeps its slave side open (so the
// line survives the host closing and reopening it, as a real serial port
// does) and answers the tester's command language on a background thread.
// Tests run it in-process; torvik-sim wraps it as a program.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "unit.h"

namespace torvik::sim {

// One command line as received, without its line feed: "MSG? 12" gives
// name "MSG?" and args {"12"} (arguments split at spaces and commas).
struct Command {
    std::string line;
    std::string name;
    std::vector<std::string> args;
};

// What the tester sends back for one command.
struct Reply {
    enum class Kind { None, Line, TextBlock, Binary, Raw };
    Kind kind = Kind::None;
    std::string bytes;  // line without its line feed, text-block lines
                        // joined by '\n', binary data without CRC, or raw

    static Reply none() { return {}; }
    static Reply line(std::string text) { return {Kind::Line, std::move(text)}; }
    static Reply textBlock(std::string lines) { return {Kind::TextBlock, std::move(lines)}; }
    static Reply binary(std::string data) { return {Kind::Binary, std::move(data)}; }
    static Reply raw(std::string wire) { return {Kind::Raw, std::move(wire)}; }
};

// A command handler: the reply, and an error the tester may raise with it
// for ERR? to report. A query the tester cannot answer raises an error and
// sends nothing, or, for block queries, an empty block.
struct TesterError {
    int32_t number = 0;
    std::string text;
};
using Handler = std::function<Reply(const Command &, TesterError &raised)>;

// Faults injected for tests; all off by default.
struct Faults {
    // After a command of this name is answered, ERR? reports this error.
    std::string errorAfterCommand;
    TesterError errorAfter;
    // The first k binary blocks go out with a spoilt CRC.
    int corruptCrcSends = 0;
    // Binary and text blocks begin with this byte instead of '#'.
    bool badBlockHeader = false;
    // Commands that get no reply at all (and raise no error).
    std::set<std::string> silentCommands;
    bool silent = false;  // the whole tester is mute
    // Line replies padded with 'X' to this many characters (0: off).
    std::size_t overlongLineLength = 0;
    // The line drops (the simulator closes the pseudo-terminal) right after
    // a command of this name arrives, before any reply.
    std::string dropAfterCommand;

    // Faults counted in queries: the command lines other than REM, LOC,
    // ERR? and CL_ERR, numbered from 1 since the faults were set. 0 is off.
    int muteAfterQueries = 0;    // nothing at all is answered after query N
    int noiseBeforeReplyTo = 0;  // line noise goes out just before the reply to query N
    int truncateReplyTo = 0;     // only the first half of the reply to query N goes out
    int lateReplyTo = 0;         // the reply to query N goes out lateByMs late
    int lateByMs = 0;
    int dropAfterQueries = 0;    // the line drops when query N + 1 arrives
};

// The bytes the noise fault sends before a reply.
inline const std::string kLineNoise{"\xFF\x00~\xFE\x80", 5};

enum class TraceDirection { Received, Sent };

struct Options {
    int32_t paceBaud = 0;      // 0: send as fast as possible
    std::string linkPath;      // a symbolic link to the device, if set
    // Called on the serving thread with every line received (without its
    // line feed) and every reply sent (as on the wire), for a live trace.
    std::function<void(TraceDirection, const std::string &)> onTrace;
};

class Simulator {
public:
    explicit Simulator(Unit unit, Options options = {});
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Opens the pseudo-terminal and starts serving; false with a message
    // when the terminal cannot be opened.
    bool start(std::string *error);
    void stop();
    const std::string &devicePath() const;

    void setFaults(const Faults &faults);
    // Adds or replaces the handler of a command name.
    void addCommand(const std::string &name, Handler handler);

    // Every byte that arrived from the host and that the tester sent,
    // since start or the last clearTrace().
    std::string received() const;
    std::string sent() const;
    void clearTrace();
    // Waits until the received trace ends with `suffix` and every complete
    // line in it has been handled (true), or the time runs out (false); for
    // tests that check what the host sent last.
    bool waitReceived(const std::string &suffix, int timeoutMs) const;

    bool isRemote() const;  // REM seen and not followed by LOC

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace torvik::sim
