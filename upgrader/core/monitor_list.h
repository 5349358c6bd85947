// The instrument's answer to "RIVO?": pairs of mode flag and monitor
// reference, all separated by commas.
#pragma once

#include <string>
#include <vector>

namespace rivo {

struct Monitor {
    int index = 0;        // k, as "MODERIVO%d" names it
    long modeFlag = 0;    // nonzero: the monitor is in upgrading mode
    std::string reference;
};

struct MonitorList {
    std::vector<Monitor> monitors;
    bool valid = false;   // at least one reference, every one well formed
};

// Spaces removed, cut at the first line feed, upper-cased, then read pair
// by pair while a comma is left.
MonitorList parseMonitorList(const std::string &answer);

}  // namespace rivo
