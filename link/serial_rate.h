// Setting the line rate, kept apart because Linux needs its own termios2
// structure for the rates POSIX has no constant for (56000, 128000, 256000).
#pragma once

#include <cstdint>

namespace torvlink {

// Applies one of the tester's rates to an open, already configured device.
// false with `error` set when the rate is not in the list or the device
// refuses it.
bool applyRate(int fd, int32_t rate, int &error);

}  // namespace torvlink
