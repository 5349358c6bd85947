// The rate table of the link and its mapping onto the Linux termios2 call,
// which takes any rate in bit/s (BOTHER) instead of the fixed B* constants.
#include "serial_rate.h"
#include "serial_port.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace torvlink {

bool isSupportedRate(int32_t rate) {
    static constexpr int32_t kRates[] = {2400,  4800,  9600,   19200,  38400,
                                         56000, 57600, 115200, 128000, 256000};
    for (int32_t r : kRates) {
        if (r == rate) return true;
    }
    return false;
}

bool applyRate(int fd, int32_t rate, int &error) {
    if (!isSupportedRate(rate)) {
        error = EINVAL;  // the port refuses any other rate
        return false;
    }
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        error = errno;
        return false;
    }
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(rate);
    tio.c_ospeed = static_cast<speed_t>(rate);
    if (ioctl(fd, TCSETS2, &tio) != 0) {
        error = errno;
        return false;
    }
    return true;
}

}  // namespace torvlink
