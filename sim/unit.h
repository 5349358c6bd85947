// What a simulated tester stores and reports about itself.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "site.h"
#include "standard.h"

namespace torvik::sim {

struct Identity {
    std::string maker = "OLBRIN";
    std::string model = "TORVIK";
    std::string serial = "T0412345";
    std::string revision = "D.05";  // firmware revision: selects every reply form
    bool operator==(const Identity &) const = default;
};

// Texts are held as the tester stores them, in its OEM code page (850).
struct Unit {
    int32_t productCode = 45113;
    Identity identity;
    std::string userName = "J SMITH";
    std::string company = "NORDKABEL";
    // The minimum desktop-program versions; firmware that predates the
    // query leaves the command unknown.
    bool knowsMinVer = true;
    std::string minVer = "A.08";
    std::string minVerZ = "Z.21";
    // UNCERTS? integers as sent: tenths of dB, %, %, tenths of ns, ns, and
    // hundredths (tenths before B.08) of the last parameter.
    std::array<int32_t, 6> uncerts{40, 25, 10, 2, 5, 20};
    std::map<int32_t, std::string> messages;    // MSG? n
    std::map<int32_t, std::string> plugNames;   // PLUG_NAME? n
    // One entry per site slot (NBSITES?); an empty slot holds no site.
    std::vector<std::optional<Site>> sites;
    std::vector<WiringConvention> conventions;  // by CNX_INF? number
    std::vector<Cable> cables;                  // by CABLE? number
    std::vector<Standard> standards;            // by NORM? number
    bool operator==(const Unit &) const = default;
};

// The unit the simulator serves with --demo: a day of certification work.
Unit demoUnit();

}  // namespace torvik::sim
