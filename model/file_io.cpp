#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
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

// A name beside the target that no other save picks: ".name.XXXXXX.tmp".
std::string temporaryName(const std::string &path) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto now = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    const unsigned tag = now ^ (counter++ * 2654435761u) ^ static_cast<unsigned>(::getpid());
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", tag);
    return folder + "." + name + "." + suffix + ".tmp";
}

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

// The rename is durable once the folder's entry is on disk; a folder that
// cannot be flushed (some file systems refuse) does not undo the save.
void flushFolder(const std::string &path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Result<std::vector<std::uint8_t>> readWholeFile(const std::string &path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return systemError(path, "cannot open the file", errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return systemError(path, "cannot read the file", errno);
    if (!S_ISREG(info.st_mode)) return FileError{path, "not a regular file", std::nullopt, {}};
    if (static_cast<std::uint64_t>(info.st_size) > kMaxDocumentBytes) {
        return FileError{path, "file of " + std::to_string(info.st_size) + " bytes is too large for a document",
                         std::nullopt, {}};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return systemError(path, "cannot read the file", errno);
        if (got == 0) break;  // shrank while being read: take what is there
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

SaveResult writeFileAtomically(const std::string &path, std::span<const std::uint8_t> bytes) {
    std::string temporary;
    int opened = -1;
    for (int attempt = 0; attempt < 8 && opened < 0; ++attempt) {
        temporary = temporaryName(path);
        // The process's umask gives the new file its usual permissions.
        opened = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (opened < 0 && errno != EEXIST) break;
    }
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
