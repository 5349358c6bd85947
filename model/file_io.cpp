#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <iterator>
#include <new>
#include <string_view>
#include <utility>

namespace quillet::model {
namespace {

FileError systemError(const std::string &path, const std::string &doing, int error) {
    return FileError{path, doing + ": " + std::strerror(error), std::nullopt, {}};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr const char *kTemporarySuffix = ".quillet-save";

std::string nameOf(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether process `pid` is gone (or is this one, which saves one file at a
// time): its temporary file is then a leftover.
bool ownerIsGone(long pid) {
    if (pid == static_cast<long>(::getpid())) return true;
    return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

// Removes the temporary files earlier saves of this target left behind when
// their program was killed.
void removeLeftovers(const std::string &path) {
    const std::string prefix = "." + nameOf(path) + ".";
    DIR *folder = ::opendir(folderOf(path).c_str());
    if (!folder) return;
    while (const dirent *entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !name.ends_with(kTemporarySuffix)) continue;
        const std::string_view middle =
            name.substr(prefix.size(), name.size() - prefix.size() - std::strlen(kTemporarySuffix));
        long pid = 0;
        const auto [end, ec] = std::from_chars(middle.data(), middle.data() + middle.size(), pid);
        if (ec != std::errc() || end != middle.data() + middle.size() || !ownerIsGone(pid)) continue;
        const std::string leftover = folderOf(path) + "/" + std::string(name);
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(leftover.c_str());
    }
    ::closedir(folder);
}

// The save in progress, for the signal handlers.
char gUnfinished[4096];
volatile std::sig_atomic_t gHasUnfinished = 0;

extern "C" void removeAndStop(int signal) {
    removeUnfinishedSave();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// While a temporary file exists, the signals that end the program by
// default remove it first. Signals the program handles itself are left to it.
class StopSignalsRemoveTemporary {
public:
    explicit StopSignalsRemoveTemporary(const std::string &temporary) {
        if (temporary.size() >= sizeof gUnfinished) return;
        std::memcpy(gUnfinished, temporary.c_str(), temporary.size() + 1);
        gHasUnfinished = 1;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            struct sigaction current {};
            installed_[i] = ::sigaction(kSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_DFL;
            if (!installed_[i]) continue;
            struct sigaction remove {};
            remove.sa_handler = removeAndStop;
            sigemptyset(&remove.sa_mask);
            ::sigaction(kSignals[i], &remove, &previous_[i]);
        }
    }
    ~StopSignalsRemoveTemporary() {
        gHasUnfinished = 0;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            if (installed_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
        }
    }
    StopSignalsRemoveTemporary(const StopSignalsRemoveTemporary &) = delete;
    StopSignalsRemoveTemporary &operator=(const StopSignalsRemoveTemporary &) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    bool installed_[std::size(kSignals)] = {};
    struct sigaction previous_[std::size(kSignals)] = {};
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads into bytes[done..] until full or the end of the file; false on a
// read error (errno set).
bool readInto(int fd, std::vector<std::uint8_t> &bytes, std::size_t &done) {
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// The rename is durable once the folder's entry is on disk; a folder that
// cannot be flushed (some file systems refuse) does not undo the save.
void flushFolder(const std::string &path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string temporaryFileOf(const std::string &path, long pid) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    return folder + "." + nameOf(path) + "." + std::to_string(pid) + kTemporarySuffix;
}

void removeUnfinishedSave() {
    if (!gHasUnfinished) return;
    gHasUnfinished = 0;
    ::unlink(gUnfinished);
}

Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path) { return readWholeFile(path, nullptr); }

Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path, const StartCheck &checkStart) {
    // Not blocking: opening a FIFO must not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return systemError(path, "cannot open the file", errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return systemError(path, "cannot read the file", errno);
    if (!S_ISREG(info.st_mode)) return FileError{path, "not a regular file", std::nullopt, {}};
    if (static_cast<std::uint64_t>(info.st_size) > kMaxDocumentBytes) {
        return FileError{path, "file of " + std::to_string(info.st_size) + " bytes is too large for a document",
                         std::nullopt, {}};
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    try {
        std::vector<std::uint8_t> bytes;
        std::size_t done = 0;
        if (checkStart) {
            bytes.resize(std::min(size, kStartCheckBytes));
            if (!readInto(fd.get(), bytes, done)) return systemError(path, "cannot read the file", errno);
            bytes.resize(done);
            if (auto refused = checkStart(bytes)) return *refused;
        }
        bytes.resize(size);
        if (!readInto(fd.get(), bytes, done)) return systemError(path, "cannot read the file", errno);
        bytes.resize(done);  // a file that shrank while being read: take what is there
        return bytes;
    } catch (const std::bad_alloc &) {
        return FileError{path, "not enough memory to read the file", std::nullopt, {}};
    }
}

SaveResult writeFileAtomically(const std::string &path, std::span<const std::uint8_t> bytes) {
    removeLeftovers(path);
    const std::string temporary = temporaryFileOf(path, static_cast<long>(::getpid()));
    StopSignalsRemoveTemporary guard(temporary);
    // The process's umask gives the new file its usual permissions.
    const int opened = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (opened < 0) return systemError(path, "cannot create a temporary file beside it", errno);
    Descriptor fd(opened);
    // A file that exists keeps its permissions.
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode)) {
        ::fchmod(fd.get(), target.st_mode & 07777);
    }

    const auto abandon = [&](const char *doing) {
        const int error = errno;
        ::close(fd.release());
        ::unlink(temporary.c_str());
        return systemError(path, doing, error);
    };
    if (!writeAll(fd.get(), bytes)) return abandon("cannot write the file");
    if (::fsync(fd.get()) != 0) return abandon("cannot flush the file to disk");
    if (::close(fd.release()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemError(path, "cannot close the file", error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemError(path, "cannot replace the file", error);
    }
    flushFolder(path);
    return Saved{};
}

}  // namespace quillet::model
