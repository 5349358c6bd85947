#include "monitor_list.h"

#include <cstdlib>

#include "compat_list.h"
#include "intel_hex.h"

namespace rivo {

MonitorList parseMonitorList(const std::string &answer)
{
    std::string text;
    for (const char c : answer) {
        if (c == '\n')
            break;
        if (c != ' ')
            text += c;
    }
    text = toUpper(text);

    MonitorList list;
    bool wellFormed = true;
    std::size_t at = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', at)) {
        Monitor monitor;
        monitor.index = static_cast<int>(list.monitors.size());
        monitor.modeFlag = std::strtol(text.substr(at, comma - at).c_str(), nullptr, 10);
        const std::size_t next = text.find(',', comma + 1);
        monitor.reference = text.substr(comma + 1, next == std::string::npos ? next : next - comma - 1);
        // A carriage return ends the line on the wire, not the reference.
        if (monitor.reference.ends_with('\r'))
            monitor.reference.pop_back();
        wellFormed = wellFormed && isMonitorReference(monitor.reference);
        list.monitors.push_back(monitor);
        if (next == std::string::npos)
            break;
        at = next + 1;
    }
    list.valid = wellFormed && !list.monitors.empty();
    return list;
}

}  // namespace rivo
