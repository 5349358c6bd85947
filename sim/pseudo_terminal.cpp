#include "pseudo_terminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace torvik::sim {

namespace {

bool fail(std::string *error, const std::string &what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool makeNonBlockingCloexec(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0
        && ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

// No echo, no line editing, no translation: the tester's bytes pass as sent.
bool makeRaw(int fd)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(std::string *error)
{
    close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail(error, "cannot open a pseudo-terminal");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || !makeNonBlockingCloexec(master_)) {
        fail(error, "cannot unlock the pseudo-terminal");
        close();
        return false;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master_, name.data(), name.size()) != 0) {
        fail(error, "cannot name the pseudo-terminal");
        close();
        return false;
    }
    slavePath_ = name.data();
    slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0 || !makeRaw(slave_)) {
        fail(error, "cannot set up " + slavePath_);
        close();
        return false;
    }
    return true;
}

void PseudoTerminal::close()
{
    closeFd(slave_);
    closeFd(master_);
}

bool createDeviceLink(const std::string &link, const std::string &target, std::string *error)
{
    struct stat st{};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            errno = EEXIST;
            return fail(error, "will not replace " + link);
        }
        if (::unlink(link.c_str()) != 0)
            return fail(error, "cannot remove " + link);
    }
    if (::symlink(target.c_str(), link.c_str()) != 0)
        return fail(error, "cannot link " + link);
    return true;
}

void removeDeviceLink(const std::string &link, const std::string &target)
{
    std::array<char, 4096> buffer{};
    const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size() - 1);
    if (n >= 0 && target == std::string(buffer.data(), static_cast<std::size_t>(n)))
        ::unlink(link.c_str());
}

}  // namespace torvik::sim
