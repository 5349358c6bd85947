// Firmware upgrade of a made-up file to the simulated monitor paced at the
// line's rate: elapsed time against the protocol's own minimum (every line
// and answer on the wire at ten bits a character, plus the wait characters
// before each write), with no wait characters and with the default five.
//   upgrade_bench [records at 115200 = 4000] [records at 9600 = 1000]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "fake_firmware.h"
#include "link_settings.h"
#include "monitor.h"
#include "upgrade_procedure.h"

namespace {

using Clock = std::chrono::steady_clock;

class QuietUi final : public rivo::UpgraderUi {
public:
    rivo::BoxAnswer ask(const rivo::MessageBox &box) override
    {
        lastText = box.text;
        return box.purpose == rivo::BoxPurpose::Retry ? rivo::BoxAnswer::Cancel : rivo::BoxAnswer::Ok;
    }
    bool chooseLink(rivo::LinkSettings &) override { return true; }
    void openProgress(rivo::ProgressWindow) override {}
    void setProgressTexts(const std::string &, const std::string &) override {}
    void setProgress(int) override {}
    void closeProgress() override {}
    bool cancelPressed() override { return false; }
    std::string lastText;
};

// The answer the simulated monitor gives to a line, as sent on the wire.
std::size_t answerBytes(const std::string &line, const std::string &identification)
{
    if (line == "RIVO?")
        return identification.size() + 2;
    if (line.starts_with("MODERIVO"))
        return 0;
    return 4;  // "OK\r\n" to records and EXITRIVO
}

void measure(int records, int32_t rate, int waitCharacters, const std::filesystem::path &folder)
{
    torvik::sim::FakeFirmware firmware;
    firmware.records = records;
    std::ofstream(folder / "BENCH.HEX", std::ios::binary) << torvik::sim::fakeFirmwareText(firmware);

    torvik::sim::MonitorOptions options;
    options.paceBaud = rate;
    torvik::sim::MonitorSimulator monitor(options);
    std::string error;
    if (!monitor.start(&error)) {
        std::fprintf(stderr, "upgrade_bench: %s\n", error.c_str());
        std::exit(1);
    }
    setenv("TORVIK_COM1", monitor.devicePath().c_str(), 1);
    rivo::UpgradeRequest request;
    request.folder = folder;
    request.files = {"BENCH.HEX"};
    request.options = rivo::readCommandLine("-c1," + std::to_string(rate) + ",8,1,n,n -w" +
                                            std::to_string(waitCharacters));
    QuietUi ui;
    const auto start = Clock::now();
    const rivo::UpgradeOutcome outcome = rivo::runUpgrade(request, ui, rivo::makePosixTransport());
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    monitor.stop();
    if (outcome != rivo::UpgradeOutcome::Success) {
        std::fprintf(stderr, "upgrade_bench: upgrade failed: %s\n", ui.lastText.c_str());
        std::exit(1);
    }

    const rivo::LinkSettings link = *request.options.link;
    rivo::LinkSettings paced = link;
    paced.waitCharacters = waitCharacters;
    const double waitSeconds = static_cast<double>(rivo::waitBeforeWrite(paced).count()) / 1000.0;
    const std::string identification = "0," + options.instruments.front().front().reference;
    std::size_t wireBytes = 0;
    std::size_t lines = 0;
    for (const std::string &line : monitor.received()) {
        wireBytes += line.size() + 1 + answerBytes(line, identification);
        ++lines;
    }
    const double minimum = static_cast<double>(wireBytes) * 10.0 / rate + static_cast<double>(lines) * waitSeconds;
    std::printf("%6d records  %6d baud  -w%-3d  lines %5zu  wire bytes %7zu  minimum %8.3f s  elapsed %8.3f s  "
                "ratio %.3f\n",
                records, rate, waitCharacters, lines, wireBytes, minimum, elapsed, elapsed / minimum);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    const int fastRecords = argc > 1 ? std::atoi(argv[1]) : 4000;
    const int slowRecords = argc > 2 ? std::atoi(argv[2]) : 1000;
    const auto folder = std::filesystem::temp_directory_path() / ("upgrade-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const int waitCharacters : {0, 5}) {
        measure(fastRecords, 115200, waitCharacters, folder);
        measure(slowRecords, 9600, waitCharacters, folder);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
