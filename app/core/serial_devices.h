// The serial devices a user can pick for a port: USB adapters, modems and
// built-in ports, and the stable names udev gives them by identity.
#pragma once

#include <string>
#include <vector>

namespace quillet {

// Devices under `root` (normally "/dev"): ttyUSB*, ttyACM*, ttyS* and
// serial/by-id/*, each group sorted by name with numbers in numeric order.
std::vector<std::string> listSerialDevices(const std::string &root = "/dev");

// Profile keys of the device of port n (1..4), in "CommunicationD01".
std::string portDeviceKey(int port);
inline constexpr int kPortCount = 4;

}  // namespace quillet
