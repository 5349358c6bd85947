#include "monitor.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>

#include "line_writer.h"
#include "pseudo_terminal.h"

namespace torvik::sim {

namespace {

using Clock = std::chrono::steady_clock;

bool checksumOk(const std::string &record)
{
    if (record.size() < 11 || record[0] != ':' || (record.size() - 1) % 2 != 0)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 1; i < record.size(); i += 2) {
        unsigned byte = 0;
        for (const char c : record.substr(i, 2)) {
            const auto digit = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)));
            if (!std::isxdigit(digit))
                return false;
            byte = byte * 16 + (std::isdigit(digit) ? digit - '0' : digit - 'A' + 10);
        }
        sum += byte;
    }
    return sum % 256 == 0;
}

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Sleeps until shortly before `due`, then spins: a woken thread is often
// late by more than a character time, which the line would not be.
void waitUntil(Clock::time_point due)
{
    constexpr auto kSpin = std::chrono::microseconds(400);
    if (due - Clock::now() > kSpin)
        std::this_thread::sleep_until(due - kSpin);
    while (Clock::now() < due)
        std::this_thread::yield();
}

}  // namespace

std::vector<MonitorEntry> parseMonitorEntries(const std::string &text)
{
    std::vector<MonitorEntry> entries;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = text.find(',', at);
        if (comma == std::string::npos)
            return {};
        const std::size_t next = text.find(',', comma + 1);
        MonitorEntry entry;
        try {
            entry.modeFlag = std::stol(text.substr(at, comma - at));
        } catch (const std::exception &) {
            return {};
        }
        entry.reference = text.substr(comma + 1, next == std::string::npos ? next : next - comma - 1);
        entries.push_back(entry);
        if (next == std::string::npos)
            break;
        at = next + 1;
    }
    return entries;
}

struct MonitorSimulator::Impl {
    explicit Impl(MonitorOptions o) : options(std::move(o)) {}

    bool start(std::string *error);
    void stop();
    void serve();
    bool readInput();
    void handleLine(const std::string &line);
    void handleRecord(const std::string &record);
    void reply(const std::string &line);
    std::string identification() const;
    Clock::duration byteTime(std::size_t count) const;

    const MonitorOptions options;
    PseudoTerminal terminal;
    std::string devicePath;
    std::array<int, 2> wakePipe{-1, -1};
    std::unique_ptr<LineWriter> writer;
    std::thread thread;
    std::ofstream acceptedFile;

    // Serving thread only:
    std::string partialLine;
    Clock::time_point lineBusyUntil{};  // when the host's bytes have all arrived
    std::size_t instrument = 0;
    bool gone = false;  // the last instrument has left the line
    std::vector<MonitorEntry> monitors;
    int refusals = 0;
    std::size_t acceptedHere = 0;  // records this instrument accepted

    mutable std::mutex mutex;
    std::string sentTrace;  // guarded by mutex
    std::vector<std::string> acceptedRecords;
    std::vector<std::string> receivedLines;
};

bool MonitorSimulator::Impl::start(std::string *error)
{
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
        terminal.close();
        return false;
    }
    if (!options.acceptedPath.empty())
        acceptedFile.open(options.acceptedPath, std::ios::trunc);
    monitors = options.instruments.empty() ? std::vector<MonitorEntry>{} : options.instruments.front();
    gone = options.instruments.empty();
    // Answers are timed here, so the writer itself does not pace.
    writer = std::make_unique<LineWriter>(terminal.master(), wakePipe[0], 0);
    thread = std::thread([this] { serve(); });
    return true;
}

void MonitorSimulator::Impl::stop()
{
    if (thread.joinable()) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &byte, 1);
        thread.join();
    }
    terminal.close();
    for (int &fd : wakePipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    if (!options.linkPath.empty() && !devicePath.empty())
        removeDeviceLink(options.linkPath, devicePath);
}

void MonitorSimulator::Impl::serve()
{
    std::array<pollfd, 2> fds{{{terminal.master(), POLLIN, 0}, {wakePipe[0], POLLIN, 0}}};
    while (true) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || fds[0].revents == 0 || !readInput())
            break;
    }
}

// Ten bit times a character, as the line carries it at the paced rate.
Clock::duration MonitorSimulator::Impl::byteTime(std::size_t count) const
{
    if (options.paceBaud <= 0)
        return {};
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(static_cast<int64_t>(count) * 10 * 1'000'000'000 / options.paceBaud));
}

bool MonitorSimulator::Impl::readInput()
{
    std::array<char, 4096> buffer{};
    const ssize_t n = ::read(terminal.master(), buffer.data(), buffer.size());
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    if (n == 0)
        return false;
    // The pseudo-terminal hands the bytes over at once; a paced line would
    // still be carrying them.
    lineBusyUntil = std::max(lineBusyUntil, Clock::now()) + byteTime(static_cast<std::size_t>(n));
    for (const char c : std::string_view(buffer.data(), static_cast<std::size_t>(n))) {
        if (c != '\n') {
            partialLine += c;
            continue;
        }
        std::string line = std::move(partialLine);
        partialLine.clear();
        if (line.ends_with('\r'))
            line.pop_back();
        handleLine(line);
        if (!terminal.isOpen())
            return false;  // the line dropped
    }
    return true;
}

std::string MonitorSimulator::Impl::identification() const
{
    std::string answer;
    for (const MonitorEntry &monitor : monitors) {
        if (!answer.empty())
            answer += ',';
        answer += std::to_string(monitor.modeFlag) + ',' + monitor.reference;
    }
    return answer;
}

void MonitorSimulator::Impl::handleLine(const std::string &line)
{
    {
        const std::lock_guard lock(mutex);
        receivedLines.push_back(line);
    }
    if (options.onTrace)
        options.onTrace(TraceDirection::Received, line);
    if (gone || options.silent)
        return;
    const std::string command = upper(line);
    if (command == "RIVO?") {
        reply(identification());
    } else if (command.starts_with("MODERIVO")) {
        const std::size_t k = std::strtoul(command.c_str() + 8, nullptr, 10);
        if (k < monitors.size())
            monitors[k].modeFlag = 1;
    } else if (command.starts_with(':')) {
        handleRecord(line);
    } else if (command == "EXITRIVO") {
        reply("OK");
        acceptedHere = 0;
        refusals = 0;
        if (++instrument < options.instruments.size())
            monitors = options.instruments[instrument];
        else if (options.instruments.size() > 1)
            gone = true;
        else
            for (MonitorEntry &monitor : monitors)
                monitor.modeFlag = 0;
    } else {
        reply("NACK");
    }
}

void MonitorSimulator::Impl::handleRecord(const std::string &record)
{
    const bool upgrading = std::any_of(monitors.begin(), monitors.end(),
                                       [](const MonitorEntry &m) { return m.modeFlag != 0; });
    const bool refused = options.nackRecord > 0
        && acceptedHere + 1 == static_cast<std::size_t>(options.nackRecord)
        && (options.nackTimes < 0 || refusals < options.nackTimes);
    if (!upgrading || refused || !checksumOk(record)) {
        refusals += refused ? 1 : 0;
        reply("NACK");
        return;
    }
    ++acceptedHere;
    {
        const std::lock_guard lock(mutex);
        acceptedRecords.push_back(record);
    }
    if (acceptedFile.is_open())
        acceptedFile << record << '\n' << std::flush;
    if (options.dropAfterRecord > 0 && acceptedHere == static_cast<std::size_t>(options.dropAfterRecord)) {
        terminal.close();
        return;
    }
    if (!(options.quietEndRecord && upper(record).find(":00000001FF") != std::string::npos))
        reply(options.acknowledgement);
}

// The answer starts once the line that asked has fully arrived and goes
// out in one write when its last byte would have: one wait per answer.
void MonitorSimulator::Impl::reply(const std::string &line)
{
    const std::string wire = line + "\r\n";
    const auto due = std::max(lineBusyUntil, Clock::now()) + std::chrono::milliseconds(options.slowMs)
        + byteTime(wire.size());
    waitUntil(due);
    if (writer->write(wire, mutex, sentTrace) && options.onTrace)
        options.onTrace(TraceDirection::Sent, wire);
}

MonitorSimulator::MonitorSimulator(MonitorOptions options)
    : impl_(std::make_unique<Impl>(std::move(options)))
{
}

MonitorSimulator::~MonitorSimulator()
{
    stop();
}

bool MonitorSimulator::start(std::string *error)
{
    return impl_->start(error);
}

void MonitorSimulator::stop()
{
    impl_->stop();
}

const std::string &MonitorSimulator::devicePath() const
{
    return impl_->devicePath;
}

std::vector<std::string> MonitorSimulator::accepted() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->acceptedRecords;
}

std::vector<std::string> MonitorSimulator::received() const
{
    const std::lock_guard lock(impl_->mutex);
    return impl_->receivedLines;
}

}  // namespace torvik::sim
