#include "serial_devices.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace quillet {
namespace {

namespace fs = std::filesystem;

// "ttyS10" after "ttyS9": names compare by their stem, then their number.
bool naturalLess(const std::string &a, const std::string &b) {
    const auto stemEnd = [](const std::string &s) {
        std::size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1]))) --i;
        return i;
    };
    const std::size_t ea = stemEnd(a), eb = stemEnd(b);
    if (a.compare(0, ea, b, 0, eb) != 0 || ea == a.size() || eb == b.size()) return a < b;
    const std::string na = a.substr(ea), nb = b.substr(eb);  // digits only
    return na.size() != nb.size() ? na.size() < nb.size() : na < nb;
}

std::vector<std::string> entries(const fs::path &folder, const std::string &prefix) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<std::string> paths;
    for (const auto &name : names) paths.push_back((folder / name).string());
    return paths;
}

}  // namespace

std::vector<std::string> listSerialDevices(const std::string &root) {
    std::vector<std::string> devices;
    for (const char *prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        for (auto &path : entries(root, prefix)) devices.push_back(std::move(path));
    }
    for (auto &path : entries(fs::path(root) / "serial" / "by-id", "")) devices.push_back(std::move(path));
    return devices;
}

std::string portDeviceKey(int port) {
    return "Device" + std::to_string(port);
}

}  // namespace quillet
