// POSIX serial port: termios line settings, poll()-based reads with one
// deadline per call, and a small read-ahead buffer so that reading a reply
// byte by byte does not cost a system call per byte.
#include "serial_port.h"
#include "serial_rate.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace torvlink {
namespace {

using Clock = std::chrono::steady_clock;

class PosixSerialPort final : public SerialPort {
public:
    explicit PosixSerialPort(int fd) : fd_(fd) {}
    ~PosixSerialPort() override {
        int ignored = 0;
        close(ignored);
    }

    bool configure(const LineSettings &settings, int &error) override;
    int32_t read(uint8_t *data, std::size_t size, uint32_t timeoutMs, int &error) override;
    int32_t write(const uint8_t *data, std::size_t size, int &error) override;
    void discardInput() override;
    void discardAll() override;
    bool drainOutput(int &error) override;
    bool close(int &error) override;

private:
    bool fillAhead(Clock::time_point deadline, int &error, bool &timedOut);
    void setModemLines(const LineSettings &settings);

    int fd_;
    uint8_t ahead_[4096];
    std::size_t aheadBegin_ = 0;
    std::size_t aheadEnd_ = 0;
};

void applyFraming(termios &tio, const LineSettings &settings) {
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CREAD | CLOCAL;
    tio.c_cflag |= settings.dataBits == 8 ? CS8 : CS7;
    if (settings.stopBits != 1) tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(INPCK | IXON | IXOFF | IXANY);
    if (settings.parity != Parity::None) {
        tio.c_cflag |= PARENB;
        tio.c_iflag |= INPCK;
        if (settings.parity == Parity::Odd) tio.c_cflag |= PARODD;
    }
}

bool PosixSerialPort::configure(const LineSettings &settings, int &error) {
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) {
        error = errno;
        return false;
    }
    cfmakeraw(&tio);  // binary mode: no echo, no translation, no signals
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    applyFraming(tio, settings);
    if (tcsetattr(fd_, TCSANOW, &tio) != 0 || !applyRate(fd_, settings.rate, error)) {
        if (error == 0) error = errno;
        return false;
    }
    setModemLines(settings);
    return true;
}

// DTR and RTS are held on in both handshake modes. POSIX termios offers no
// DSR pacing, so the DSR/DTR handshake only asserts the lines. Devices that
// have no modem lines (pseudo-terminals) refuse these calls: that is fine.
void PosixSerialPort::setModemLines(const LineSettings &) {
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)ioctl(fd_, TIOCMBIS, &lines);
}

bool PosixSerialPort::fillAhead(Clock::time_point deadline, int &error, bool &timedOut) {
    timedOut = false;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        int waitMs = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        pollfd pfd{fd_, POLLIN, 0};
        int ready = ::poll(&pfd, 1, waitMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (ready == 0) {
            timedOut = true;
            return true;
        }
        ssize_t got = ::read(fd_, ahead_, sizeof ahead_);
        if (got > 0) {
            aheadBegin_ = 0;
            aheadEnd_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        // A hang-up (or EOF) means the line dropped: report it as a failure.
        error = got < 0 ? errno : EIO;
        return false;
    }
}

int32_t PosixSerialPort::read(uint8_t *data, std::size_t size, uint32_t timeoutMs, int &error) {
    if (fd_ < 0) {
        error = EBADF;
        return -1;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t stored = 0;
    while (stored < size) {
        if (aheadBegin_ == aheadEnd_) {
            bool timedOut = false;
            if (!fillAhead(deadline, error, timedOut)) return -1;
            if (timedOut) break;
        }
        std::size_t take = std::min(size - stored, aheadEnd_ - aheadBegin_);
        std::memcpy(data + stored, ahead_ + aheadBegin_, take);
        aheadBegin_ += take;
        stored += take;
    }
    return static_cast<int32_t>(stored);
}

int32_t PosixSerialPort::write(const uint8_t *data, std::size_t size, int &error) {
    std::size_t sent = 0;
    while (sent < size) {
        ssize_t n = ::write(fd_, data + sent, size - sent);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) {
                pollfd pfd{fd_, POLLOUT, 0};
                (void)::poll(&pfd, 1, 1000);
                continue;
            }
            error = errno;
            return sent == 0 ? -1 : static_cast<int32_t>(sent);
        }
        if (n == 0) break;
        sent += static_cast<std::size_t>(n);
    }
    return static_cast<int32_t>(sent);
}

void PosixSerialPort::discardInput() {
    aheadBegin_ = aheadEnd_ = 0;
    (void)tcflush(fd_, TCIFLUSH);
}

void PosixSerialPort::discardAll() {
    aheadBegin_ = aheadEnd_ = 0;
    (void)tcflush(fd_, TCIOFLUSH);
}

bool PosixSerialPort::drainOutput(int &error) {
    if (tcdrain(fd_) == 0) return true;
    error = errno;
    return false;
}

bool PosixSerialPort::close(int &error) {
    if (fd_ < 0) return true;
    (void)ioctl(fd_, TIOCNXCL);  // exclusivity would outlive us while others hold the device
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) == 0) return true;
    error = errno;
    return false;
}

}  // namespace

std::unique_ptr<SerialPort> openSerialPort(const std::string &path, int &error) {
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    if (!isatty(fd)) {
        error = ENOTTY;
        ::close(fd);
        return nullptr;
    }
    // Not shared: a second opening of the device fails while we hold it.
    if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) {
        error = errno;
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixSerialPort>(fd);
}

}  // namespace torvlink
