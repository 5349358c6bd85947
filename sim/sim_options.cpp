#include "sim_options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>
#include <optional>

namespace torvik::sim {

namespace {

// "40,25,10,2,5,20": exactly six decimal integers.
std::optional<std::array<int32_t, 6>> parseUncerts(const std::string &text)
{
    std::array<int32_t, 6> values{};
    const char *p = text.data();
    const char *end = p + text.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != 0) {
            if (p == end || *p != ',')
                return std::nullopt;
            ++p;
        }
        const auto [next, ec] = std::from_chars(p, end, values[i]);
        if (ec != std::errc())
            return std::nullopt;
        p = next;
    }
    if (p != end)
        return std::nullopt;
    return values;
}

}  // namespace

ParseOutcome parseCommandLine(int argc, char **argv, ProgramSettings &settings)
{
    CLI::App app{"Simulated Torvik tester on a pseudo-terminal. Prints the device path, "
                 "then serves until interrupted."};
    Unit &unit = settings.unit;
    unit = demoUnit();
    bool demo = false;
    bool noMinVer = false;
    std::string uncerts;

    app.add_flag("--demo", demo, "Serve the built-in demo unit (the default)");
    app.add_option("--revision", unit.identity.revision, "Firmware revision, e.g. B.08");
    app.add_option("--product", unit.productCode, "Product code answered to PP?");
    app.add_option("--maker", unit.identity.maker, "Maker in the identification");
    app.add_option("--model", unit.identity.model, "Model in the identification");
    app.add_option("--serial", unit.identity.serial, "Serial number in the identification");
    app.add_option("--user", unit.userName, "User name answered to USER_ID?");
    app.add_option("--company", unit.company, "Company answered to USER_ID?");
    app.add_flag("--no-minver", noMinVer, "Firmware that does not know QUILLET_MINVER?");
    app.add_option("--uncerts", uncerts, "The six UNCERTS? integers, a,b,c,d,e,f");
    app.add_option("--link", settings.options.linkPath, "Symbolic link to create to the device");
    app.add_option("--pace", settings.options.paceBaud, "Pace replies as a line at BAUD")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--trace", settings.trace, "Print every command line and reply on stderr");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e) == 0 ? ParseOutcome::ExitOk : ParseOutcome::ExitError;
    }
    unit.knowsMinVer = !noMinVer;
    if (!uncerts.empty()) {
        const auto values = parseUncerts(uncerts);
        if (!values) {
            std::cerr << "torvik-sim: --uncerts needs six integers separated by commas\n";
            return ParseOutcome::ExitError;
        }
        unit.uncerts = *values;
    }
    return ParseOutcome::Run;
}

}  // namespace torvik::sim
