// torvik-firmware: writes a made-up firmware file (Intel-HEX with a
// compatibility list) for the upgrader's demos, tests and benchmarks.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

#include "fake_firmware.h"

int main(int argc, char **argv)
{
    CLI::App app{"Writes a made-up firmware file (.HEX) with a compatibility list."};
    torvik::sim::FakeFirmware firmware;
    std::string output;
    app.add_option("output", output, "The file to write, e.g. DEMO.HEX")->required();
    app.add_option("--references", firmware.references, "Monitor references of the compatibility list")
        ->delimiter(',');
    app.add_option("--records", firmware.records, "Records in all, the end record included")
        ->check(CLI::Range(2, 65535));
    app.add_option("--record-size", firmware.bytesPerRecord, "Data bytes of a record")->check(CLI::Range(1, 255));
    app.add_option("--seed", firmware.seed, "Varies the made-up data");
    CLI11_PARSE(app, argc, argv);

    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << torvik::sim::fakeFirmwareText(firmware);
    file.close();
    if (!file) {
        std::cerr << "torvik-firmware: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
