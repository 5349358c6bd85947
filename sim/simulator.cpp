#include "simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "command.h"
#include "command_table.h"
#include "line_writer.h"
#include "pseudo_terminal.h"
#include "reply_framing.h"

namespace torvik::sim {

namespace {

const TesterError undefinedHeader{-113, "Undefined header"};
const std::string wakeUp(1, '\x14');

void closePipe(std::array<int, 2> &fds)
{
    for (int &fd : fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

}  // namespace

struct Simulator::Impl {
    Impl(Unit u, Options o) : unit(std::move(u)), memory(unit), options(std::move(o)) {}

    bool start(std::string *error);
    void stop();
    void serve();
    bool readInput();
    // False when the line has dropped.
    bool handleLine(const std::string &line);
    bool handleChannelLine(const std::string &line);
    void lineHandled(bool lineUp);
    void answer(const Command &command, const Handler &handler, const Faults &faults, int query);
    // The number of a query line (0 for the error lines), counted when it arrives.
    int countQuery(const Command &command);
    bool waitOrStop(int ms) const;
    FramingDamage damageFor(const Command &command, const Reply &reply);
    bool send(const std::string &wire);
    void registerErrorQueries();
    void setPendingError(const TesterError &error);

    const Unit unit;
    const UnitMemory memory;
    const Options options;
    PseudoTerminal terminal;
    std::string devicePath;
    std::array<int, 2> wakePipe{-1, -1};
    std::unique_ptr<LineWriter> writer;  // serving thread only
    std::thread thread;
    std::atomic<bool> serving{false};
    std::string partialLine;  // serving thread only

    mutable std::mutex mutex;
    mutable std::condition_variable receivedChanged;
    // Guarded by mutex:
    CommandTable commands;
    Faults faults;
    int corruptCrcLeft = 0;
    int queriesSeen = 0;
    TesterError pendingError;
    bool remote = false;
    std::string receivedTrace;
    std::string sentTrace;
    std::size_t unhandledLines = 0;  // complete lines received, not yet handled
};

// ERR? and CL_ERR live in the command table like any query, so a test can
// replace them to spoil the error reply.
void Simulator::Impl::registerErrorQueries()
{
    commands["ERR?"] = [this](const Command &, TesterError &) {
        const std::lock_guard lock(mutex);
        if (pendingError.number == 0)
            return Reply::line("0,No error");
        return Reply::line(std::to_string(pendingError.number) + ',' + pendingError.text);
    };
    commands["CL_ERR"] = [this](const Command &, TesterError &) {
        setPendingError({});
        return Reply::none();
    };
}

void Simulator::Impl::setPendingError(const TesterError &error)
{
    const std::lock_guard lock(mutex);
    pendingError = error;
}

bool Simulator::Impl::start(std::string *error)
{
    if (serving)
        return true;
    if (!terminal.open(error))
        return false;
    devicePath = terminal.slavePath();
    if (::pipe2(wakePipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error)
            *error = "cannot create the wake-up pipe";
        terminal.close();
        return false;
    }
    if (!options.linkPath.empty() && !createDeviceLink(options.linkPath, devicePath, error)) {
        closePipe(wakePipe);
        terminal.close();
        return false;
    }
    writer = std::make_unique<LineWriter>(terminal.master(), wakePipe[0], options.paceBaud);
    serving = true;
    thread = std::thread([this] { serve(); });
    return true;
}

void Simulator::Impl::stop()
{
    if (thread.joinable()) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &byte, 1);
        thread.join();
    }
    serving = false;
    terminal.close();
    closePipe(wakePipe);
    if (!options.linkPath.empty() && !devicePath.empty())
        removeDeviceLink(options.linkPath, devicePath);
}

void Simulator::Impl::serve()
{
    std::array<pollfd, 2> fds{{{terminal.master(), POLLIN, 0}, {wakePipe[0], POLLIN, 0}}};
    while (true) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || fds[0].revents == 0)
            break;
        if (!readInput())
            break;
    }
}

// Reads what the host sent and handles every complete line; false when the
// line failed or dropped.
bool Simulator::Impl::readInput()
{
    std::array<char, 4096> buffer{};
    const ssize_t n = ::read(terminal.master(), buffer.data(), buffer.size());
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    if (n == 0)
        return false;
    const std::string_view bytes(buffer.data(), static_cast<std::size_t>(n));
    {
        const std::lock_guard lock(mutex);
        receivedTrace += bytes;
        unhandledLines += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    receivedChanged.notify_all();

    for (const char c : bytes) {
        if (c != '\n') {
            partialLine += c;
            continue;
        }
        const std::string line = std::move(partialLine);
        partialLine.clear();
        const bool lineUp = handleLine(line);
        lineHandled(lineUp);
        if (!lineUp)
            return false;
    }
    return true;
}

// Waiters on the received trace resume once its lines have taken effect;
// when the line drops, nothing more will.
void Simulator::Impl::lineHandled(bool lineUp)
{
    {
        const std::lock_guard lock(mutex);
        unhandledLines = lineUp ? unhandledLines - 1 : 0;
    }
    receivedChanged.notify_all();
}

// REM, LOC and the wake-up byte only switch the tester's state.
bool Simulator::Impl::handleChannelLine(const std::string &line)
{
    if (line == "REM" || line == "LOC") {
        const std::lock_guard lock(mutex);
        remote = line == "REM";
        return true;
    }
    return line.empty() || line == wakeUp;
}

bool Simulator::Impl::handleLine(const std::string &line)
{
    if (options.onTrace)
        options.onTrace(TraceDirection::Received, line);
    if (handleChannelLine(line))
        return true;

    const Command command = parseCommand(line);
    Faults current;
    Handler handler;
    {
        const std::lock_guard lock(mutex);
        current = faults;
        const auto found = commands.find(command.name);
        if (found != commands.end())
            handler = found->second;
    }
    const int query = countQuery(command);
    int seen = 0;
    {
        const std::lock_guard lock(mutex);
        seen = queriesSeen;
    }
    if (command.name == current.dropAfterCommand ||
        (current.dropAfterQueries > 0 && query > current.dropAfterQueries)) {
        terminal.close();
        return false;
    }
    if (current.silent || current.silentCommands.count(command.name) != 0 ||
        (current.muteAfterQueries > 0 && seen > current.muteAfterQueries))
        return true;
    if (!handler) {
        setPendingError(undefinedHeader);
        return true;
    }
    answer(command, handler, current, query);
    return terminal.isOpen();
}

int Simulator::Impl::countQuery(const Command &command)
{
    if (command.name == "ERR?" || command.name == "CL_ERR")
        return 0;
    const std::lock_guard lock(mutex);
    return ++queriesSeen;
}

// False when the simulator is stopping.
bool Simulator::Impl::waitOrStop(int ms) const
{
    pollfd wake{wakePipe[0], POLLIN, 0};
    return ::poll(&wake, 1, ms) == 0;
}

void Simulator::Impl::answer(const Command &command, const Handler &handler,
                             const Faults &current, int query)
{
    TesterError raised;
    const Reply reply = handler(command, raised);
    std::string wire = frameReply(reply, damageFor(command, reply));
    if (query != 0 && !wire.empty()) {
        if (query == current.truncateReplyTo)
            wire.resize(std::max<std::size_t>(1, wire.size() / 2));
        if (query == current.noiseBeforeReplyTo)
            wire.insert(0, kLineNoise);
        if (query == current.lateReplyTo && !waitOrStop(current.lateByMs))
            return;
    }
    if (!wire.empty() && !send(wire))
        return;
    if (options.onTrace && !wire.empty())
        options.onTrace(TraceDirection::Sent, wire);
    if (raised.number != 0)
        setPendingError(raised);
    else if (!current.errorAfterCommand.empty() && command.name == current.errorAfterCommand)
        setPendingError(current.errorAfter);
}

// The error reply is never damaged: faults spoil the answers to commands.
FramingDamage Simulator::Impl::damageFor(const Command &command, const Reply &reply)
{
    const std::lock_guard lock(mutex);
    FramingDamage damage;
    if (faults.badBlockHeader)
        damage.blockLead = 'X';
    if (command.name != "ERR?")
        damage.padLineTo = faults.overlongLineLength;
    if (reply.kind == Reply::Kind::Binary && corruptCrcLeft > 0) {
        damage.spoilCrc = true;
        --corruptCrcLeft;
    }
    return damage;
}

bool Simulator::Impl::send(const std::string &wire)
{
    return writer->write(wire, mutex, sentTrace);
}

Simulator::Simulator(Unit unit, Options options)
    : impl_(std::make_unique<Impl>(std::move(unit), std::move(options)))
{
    addIdentityQueries(impl_->commands, impl_->unit);
    addRecordQueries(impl_->commands, impl_->unit, impl_->memory);
    impl_->registerErrorQueries();
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start(std::string *error)
{
    return impl_->start(error);
}

void Simulator::stop()
{
    impl_->stop();
}

const std::string &Simulator::devicePath() const
{
    return impl_->devicePath;
}

void Simulator::setFaults(const Faults &faults)
{
    const std::lock_guard lock(impl_->mutex);
    impl_->faults = faults;
    impl_->corruptCrcLeft = faults.corruptCrcSends;
    impl_->queriesSeen = 0;
}

void Simulator::addCommand(const std::string &name, Handler handler)
{
    const std::lock_guard lock(impl_->mutex);
    impl_->commands[name] = std::move(handler);
}

std::string Simulator::received() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->receivedTrace;
}

std::string Simulator::sent() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->sentTrace;
}

void Simulator::clearTrace()
{
    const std::lock_guard lock(impl_->mutex);
    impl_->receivedTrace.clear();
    impl_->sentTrace.clear();
}

bool Simulator::waitReceived(const std::string &suffix, int timeoutMs) const
{
    std::unique_lock lock(impl_->mutex);
    return impl_->receivedChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return impl_->unhandledLines == 0 && impl_->receivedTrace.ends_with(suffix);
    });
}

bool Simulator::isRemote() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->remote;
}

}  // namespace torvik::sim
