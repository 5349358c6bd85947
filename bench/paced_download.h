// What the download benchmarks share: a simulated tester holding one
// 100-plug Cat 5e site with curves, pacing its replies as a real line at the
// chosen rate, the link opened to it, and the report of wire bytes and
// time against the line's own minimum (ten bit times per byte).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace bench {

struct Settings {
    int plugs = 100;
    int32_t baud = 115200;
};

// "--plugs N" and "--baud B".
Settings parse(int argc, char **argv);

// Runs `download` against the paced tester with the link open, then prints
// what `what` names (sections, plugs), the bytes, the time and the ratio.
// The exit code of the program.
int runPaced(const char *program, const Settings &settings, const std::function<std::string()> &download);

}  // namespace bench
