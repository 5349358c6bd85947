// The unit's records laid out as its memory holds them for one firmware
// revision: numbered sections chained per site and per graph, numbered
// limit curves and optical tables, and every block encoded once.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "unit.h"

namespace torvik::sim {

struct Chain {
    uint16_t first = 0;  // 0: no section
    int32_t sections = 0;
};

class UnitMemory {
public:
    explicit UnitMemory(const Unit &unit);

    // Blocks by the number the command names; nullptr when out of range.
    const std::string *section(int32_t number) const;
    const std::string *norm(int32_t standard) const;
    const std::string *limitCurve(int32_t number) const;
    const std::string *opticalLimits(int32_t number) const;

    // The chain of a site's plug tests, and of one of its graphs.
    Chain testChain(std::size_t site) const { return sites_.at(site).tests; }
    Chain graphChain(std::size_t site, std::size_t graph) const { return sites_.at(site).graphs.at(graph); }

    std::size_t sectionCount() const { return sections_.size() - 1; }

private:
    struct SiteChains {
        Chain tests;
        std::vector<Chain> graphs;
    };

    std::array<uint8_t, 8> numberLimits(const Standard &standard);
    void layOutSite(const Site &site, const Standard *standard, SiteChains &chains);
    Chain appendChain(std::vector<std::string> sections);

    std::string revision_;
    bool curvesStored_;
    std::vector<std::string> sections_{std::string()};  // [0]: no section
    std::vector<SiteChains> sites_;
    std::vector<std::string> norms_;
    std::vector<std::string> limitCurves_{std::string(7, '\0')};  // [0]: no curve
    std::vector<std::string> opticalLimits_;
};

}  // namespace torvik::sim
