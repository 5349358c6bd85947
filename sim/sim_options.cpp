#include "sim_options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "fault_options.h"
#include "unit_json.h"

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

// The unit to serve: the demo unit, or a description read from a file.
bool loadUnit(const std::string &path, Unit &unit)
{
    if (path.empty()) {
        unit = demoUnit();
        return true;
    }
    std::ifstream file(path);
    if (!file) {
        std::cerr << "torvik-sim: cannot read " << path << '\n';
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    try {
        unit = unitFromDescription(text.str());
    } catch (const std::exception &e) {
        std::cerr << "torvik-sim: " << path << ": " << e.what() << '\n';
        return false;
    }
    return true;
}

// Identity options given on the command line, applied over the unit.
struct Overrides {
    std::optional<std::string> revision, maker, model, serial, user, company;
    std::optional<int32_t> product;
    bool noMinVer = false;
    std::string uncerts;
};

bool applyOverrides(const Overrides &o, Unit &unit)
{
    const auto apply = [](const auto &value, auto &field) {
        if (value)
            field = *value;
    };
    apply(o.revision, unit.identity.revision);
    apply(o.maker, unit.identity.maker);
    apply(o.model, unit.identity.model);
    apply(o.serial, unit.identity.serial);
    apply(o.user, unit.userName);
    apply(o.company, unit.company);
    apply(o.product, unit.productCode);
    if (o.noMinVer)
        unit.knowsMinVer = false;
    if (!o.uncerts.empty()) {
        const auto values = parseUncerts(o.uncerts);
        if (!values) {
            std::cerr << "torvik-sim: --uncerts needs six integers separated by commas\n";
            return false;
        }
        unit.uncerts = *values;
    }
    return true;
}

}  // namespace

ParseOutcome parseCommandLine(int argc, char **argv, ProgramSettings &settings)
{
    CLI::App app{"Simulated Torvik tester on a pseudo-terminal. Prints the device path, "
                 "then serves until interrupted."};
    Overrides o;
    bool demo = false;
    std::string unitPath;

    app.set_version_flag("--version", "torvik-sim " QUILLET_SUITE_VERSION);
    app.add_flag("--demo", demo, "Serve the built-in demo unit (the default)");
    app.add_option("--unit", unitPath, "Serve the unit described in FILE (JSON)")->excludes("--demo");
    app.add_flag("--dump-unit", settings.dumpUnit, "Print the unit's description (JSON) and exit");
    app.add_option("--revision", o.revision, "Firmware revision, e.g. B.08");
    app.add_option("--product", o.product, "Product code answered to PP?");
    app.add_option("--maker", o.maker, "Maker in the identification");
    app.add_option("--model", o.model, "Model in the identification");
    app.add_option("--serial", o.serial, "Serial number in the identification");
    app.add_option("--user", o.user, "User name answered to USER_ID?");
    app.add_option("--company", o.company, "Company answered to USER_ID?");
    app.add_flag("--no-minver", o.noMinVer, "Firmware that does not know QUILLET_MINVER?");
    app.add_option("--uncerts", o.uncerts, "The six UNCERTS? integers, a,b,c,d,e,f");
    app.add_option("--link", settings.options.linkPath, "Symbolic link to create to the device");
    app.add_option("--pace", settings.options.paceBaud, "Pace replies as a line at BAUD")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--trace", settings.trace, "Print every command line and reply on stderr");
    addFaultOptions(app, settings.faults);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e) == 0 ? ParseOutcome::ExitOk : ParseOutcome::ExitError;
    }
    if (!loadUnit(unitPath, settings.unit) || !applyOverrides(o, settings.unit))
        return ParseOutcome::ExitError;
    return ParseOutcome::Run;
}

}  // namespace torvik::sim
