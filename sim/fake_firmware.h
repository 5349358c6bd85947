// Firmware files for demos, tests and benchmarks: valid Intel-HEX with a
// compatibility list, and made-up data (never a real firmware).
#pragma once

#include <string>
#include <vector>

namespace torvik::sim {

struct FakeFirmware {
    std::vector<std::string> references{"01234567A12"};  // the compatibility list
    int records = 64;          // records in all, the end record included
    int bytesPerRecord = 16;   // data bytes of a data record
    int seed = 1;              // varies the made-up data
};

// The file's text, lines ended by CR LF. The list text rides in the data of
// the first records, split wherever the record size falls; an extended
// address record opens every 64 KiB.
std::string fakeFirmwareText(const FakeFirmware &firmware);

// One record: ":", count, address, type, data, checksum, upper-case digits.
std::string hexRecord(int address, int type, const std::string &data);

}  // namespace torvik::sim
