// What a simulated tester stores and reports about itself.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace torvik::sim {

struct Identity {
    std::string maker = "OLBRIN";
    std::string model = "TORVIK";
    std::string serial = "T0412345";
    std::string revision = "D.05";  // firmware revision: selects every reply form
};

// Stored records. The record queries fill these in; until then a unit holds
// none and answers the record commands as a tester with empty memory would.
struct StoredSite {};
struct StoredGraph {};
struct StoredStandard {};

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
    std::map<int32_t, std::string> messages;  // MSG? n, in the OEM code page
    std::vector<StoredSite> sites;
    std::vector<StoredGraph> graphs;
    std::vector<StoredStandard> standards;
};

// The unit the simulator serves with --demo.
Unit demoUnit();

}  // namespace torvik::sim
