// Firmware files: the ".HEX" files beside the upgrader, and what their
// analysis keeps of each.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace rivo {

struct FirmwareFile {
    std::string name;                     // as listed, e.g. "TORVIK.HEX"
    std::filesystem::path path;
    uint16_t recordCount = 0;             // up to and including the end record
    std::vector<std::string> compatList;  // monitor references, in file order
};

// The names of the entries of `folder` that match "*.HEX" (any case), in
// name order; empty when the folder cannot be read.
std::vector<std::string> listFirmwareFiles(const std::filesystem::path &folder);

}  // namespace rivo
