#include "unit_memory.h"

#include <stdexcept>

#include "firmware_gates.h"
#include "record_encoding.h"
#include "section_encoding.h"

namespace torvik::sim {

namespace {

const std::string *entry(const std::vector<std::string> &blocks, int32_t number)
{
    if (number < 0 || static_cast<std::size_t>(number) >= blocks.size())
        return nullptr;
    return &blocks[static_cast<std::size_t>(number)];
}

}  // namespace

UnitMemory::UnitMemory(const Unit &unit)
    : revision_(unit.identity.revision),
      // Firmware without automatic graphs records no curves with its tests.
      curvesStored_(isRevisionInRange(revision_, gates::autoGraphs))
{
    // LIMIT? 0 answers a curve without points: the header alone, count 1.
    limitCurves_[0][1] = 1;
    opticalLimits_.push_back(encodeOpticalLimits({}, revision_));
    for (const Standard &standard : unit.standards)
        norms_.push_back(encodeNorm(standard, numberLimits(standard), revision_));

    for (const auto &site : unit.sites) {
        SiteChains chains;
        if (site) {
            const Standard *standard =
                site->standard < unit.standards.size() ? &unit.standards[site->standard] : nullptr;
            layOutSite(*site, standard, chains);
        }
        sites_.push_back(std::move(chains));
    }
    if (sections_.size() > 65536)
        throw std::length_error("the unit holds more sections than section numbers");
}

const std::string *UnitMemory::section(int32_t number) const
{
    return number == 0 ? nullptr : entry(sections_, number);
}

const std::string *UnitMemory::norm(int32_t standard) const
{
    return entry(norms_, standard);
}

const std::string *UnitMemory::limitCurve(int32_t number) const
{
    return entry(limitCurves_, number);
}

const std::string *UnitMemory::opticalLimits(int32_t number) const
{
    return entry(opticalLimits_, number);
}

// Every curve with points gets its own number; an optical standard's loss
// tables take the attenuation curve's place.
std::array<uint8_t, 8> UnitMemory::numberLimits(const Standard &standard)
{
    std::array<uint8_t, 8> numbers{};
    if (standard.isOptical()) {
        numbers[1] = static_cast<uint8_t>(opticalLimits_.size());
        opticalLimits_.push_back(encodeOpticalLimits(standard.optical, revision_));
    } else {
        for (std::size_t slot = 0; slot < numbers.size(); ++slot) {
            const LimitCurve &curve = standard.limits[static_cast<std::size_t>(kLimitSlotKinds[slot])];
            if (curve.points.empty())
                continue;
            numbers[slot] = static_cast<uint8_t>(limitCurves_.size());
            limitCurves_.push_back(encodeLimitCurve(curve));
        }
    }
    if (limitCurves_.size() > 256 || opticalLimits_.size() > 256)
        throw std::length_error("the unit holds more limit curves than limit numbers");
    return numbers;
}

void UnitMemory::layOutSite(const Site &site, const Standard *standard, SiteChains &chains)
{
    static const Standard noStandard;
    std::vector<std::string> tests;
    for (const Plug &plug : site.plugs) {
        tests.push_back(encodeTestSection(plug, standard ? *standard : noStandard, revision_));
        if (!curvesStored_)
            continue;
        for (const PlugCurve &curve : plug.curves) {
            auto curveSections = encodeCurveSections(curve, revision_);
            std::move(curveSections.begin(), curveSections.end(), std::back_inserter(tests));
        }
    }
    chains.tests = appendChain(std::move(tests));
    for (const Graph &graph : site.graphs)
        chains.graphs.push_back(appendChain(encodeGraphSections(graph, revision_)));
}

// Numbers the sections from the next free one and links each to the next.
Chain UnitMemory::appendChain(std::vector<std::string> sections)
{
    Chain chain;
    if (sections.empty())
        return chain;
    chain.first = static_cast<uint16_t>(sections_.size());
    chain.sections = static_cast<int32_t>(sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const bool last = i + 1 == sections.size();
        setNextSection(sections[i], last ? 0 : static_cast<uint16_t>(sections_.size() + 1));
        sections_.push_back(std::move(sections[i]));
    }
    return chain;
}

}  // namespace torvik::sim
