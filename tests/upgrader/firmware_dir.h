// A temporary folder of firmware files for the upgrader's tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fake_firmware.h"

namespace rivo::test {

class FirmwareDir {
public:
    FirmwareDir()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("rivo-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~FirmwareDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FirmwareDir(const FirmwareDir &) = delete;
    FirmwareDir &operator=(const FirmwareDir &) = delete;

    const std::filesystem::path &path() const { return path_; }

    void write(const std::string &name, const std::string &text) const
    {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    // A made-up firmware with `records` records and the given list.
    std::string writeFirmware(const std::string &name, const std::vector<std::string> &references,
                              int records = 40) const
    {
        torvik::sim::FakeFirmware firmware;
        firmware.references = references;
        firmware.records = records;
        const std::string text = torvik::sim::fakeFirmwareText(firmware);
        write(name, text);
        return text;
    }

private:
    std::filesystem::path path_;
};

// The records of a firmware text, without their line ends.
inline std::vector<std::string> recordsOf(const std::string &text)
{
    std::vector<std::string> records;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            if (!line.empty() && line[0] == ':')
                records.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    return records;
}

}  // namespace rivo::test
