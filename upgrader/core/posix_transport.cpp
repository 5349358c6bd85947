// The serial line over POSIX termios: raw mode, the rates of the link
// dialog, exclusive use (TIOCEXCL) released before the device is closed.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "serial_transport.h"

namespace rivo {

namespace {

speed_t speedOf(int32_t rate)
{
    constexpr std::array<std::pair<int32_t, speed_t>, 9> speeds{{{600, B600},
                                                                 {1200, B1200},
                                                                 {2400, B2400},
                                                                 {4800, B4800},
                                                                 {9600, B9600},
                                                                 {19200, B19200},
                                                                 {38400, B38400},
                                                                 {57600, B57600},
                                                                 {115200, B115200}}};
    for (const auto &[value, speed] : speeds) {
        if (value == rate)
            return speed;
    }
    return B9600;
}

void applyLineSettings(termios &tio, const LinkSettings &settings)
{
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CREAD | CLOCAL | (settings.eightDataBits ? CS8 : CS7);
    if (settings.twoStopBits)
        tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(INPCK | IXON | IXOFF | IXANY);
    if (settings.paritySent()) {
        tio.c_cflag |= PARENB;
        tio.c_iflag |= INPCK;
        if (settings.parity == Parity::Odd)
            tio.c_cflag |= PARODD;
    }
    if (settings.flow == FlowControl::XonXoff)
        tio.c_iflag |= IXON | IXOFF;
    cfsetispeed(&tio, speedOf(settings.rate()));
    cfsetospeed(&tio, speedOf(settings.rate()));
}

class PosixTransport final : public SerialTransport {
public:
    ~PosixTransport() override { close(); }

    int open(const LinkSettings &settings) override;
    int close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool write(std::string_view bytes) override;
    void waitDrain(std::chrono::milliseconds limit) override;
    int readByte(Clock::time_point deadline) override;

private:
    int fail(int error)
    {
        close();
        return error;
    }
    void setModemLines(FlowControl flow);

    int fd_ = -1;
};

int PosixTransport::open(const LinkSettings &settings)
{
    close();
    fd_ = ::open(portDevicePath(settings.port).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return errno;
    if (!isatty(fd_))
        return fail(ENOTTY);
    // Not shared: nobody else opens the device while the upgrade runs.
    if (ioctl(fd_, TIOCEXCL) != 0)
        return fail(errno);
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0)
        return fail(errno);
    applyLineSettings(tio, settings);
    if (tcsetattr(fd_, TCSANOW, &tio) != 0)
        return fail(errno);
    tcflush(fd_, TCIOFLUSH);
    setModemLines(settings.flow);
    return 0;
}

// Hardware handshake holds DTR and RTS on; the other modes turn them off.
// Pseudo-terminals have no modem lines and refuse: that is fine.
void PosixTransport::setModemLines(FlowControl flow)
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)ioctl(fd_, flow == FlowControl::Hardware ? TIOCMBIS : TIOCMBIC, &lines);
}

int PosixTransport::close()
{
    if (fd_ < 0)
        return 0;
    tcflush(fd_, TCIOFLUSH);
    (void)ioctl(fd_, TIOCNXCL);  // else the exclusivity outlives us while the line stays up
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

bool PosixTransport::write(std::string_view bytes)
{
    while (fd_ >= 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd pfd{fd_, POLLOUT, 0};
            if (::poll(&pfd, 1, 1000) > 0 || errno == EINTR)
                continue;
        }
        return false;
    }
    return fd_ >= 0;
}

void PosixTransport::waitDrain(std::chrono::milliseconds limit)
{
    const auto deadline = Clock::now() + limit;
    int queued = 0;
    while (fd_ >= 0 && ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

// Raw mode with no minimum count: read() gives 0 when nothing is waiting,
// so poll() decides between data, time-out and a line that dropped.
int PosixTransport::readByte(Clock::time_point deadline)
{
    while (fd_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return -1;
        if ((pfd.revents & POLLIN) == 0)
            return -1;  // hung up: the line dropped
        unsigned char byte = 0;
        const ssize_t n = ::read(fd_, &byte, 1);
        if (n == 1)
            return byte;
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        return -1;
    }
    return -1;
}

}  // namespace

std::string portDevicePath(int port)
{
    const std::string variable = "TORVIK_COM" + std::to_string(port);
    if (const char *device = std::getenv(variable.c_str()); device && *device)
        return device;
    return "/dev/ttyS" + std::to_string(port - 1);
}

std::unique_ptr<SerialTransport> makePosixTransport()
{
    return std::make_unique<PosixTransport>();
}

std::string systemErrorText(int error)
{
    return std::strerror(error);
}

}  // namespace rivo
