// The tester's stored records as it sends them in binary blocks. Each
// encoder gives the block's data (without framing or CRC) in the form the
// unit's firmware revision uses.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "site.h"
#include "standard.h"

namespace torvik::sim {

// What firmware leaves in a byte it does not fill in yet: the pattern of
// never-written memory.
inline constexpr uint8_t kUnsetByte = 0xE5;

// The order of the limit numbers in a standard's record: NEXT, attenuation,
// return loss, ACR, ELFEXT, power-sum NEXT, power-sum ACR, power-sum ELFEXT.
inline constexpr std::array<Kind, 8> kLimitSlotKinds{
    Kind::Next, Kind::Attenuation, Kind::ReturnLoss, Kind::Acr,
    Kind::Elfext, Kind::PsNext, Kind::PsAcr, Kind::PsElfext};

// The kind, side and pair of a curve share one byte.
inline uint8_t curveIdentity(uint8_t kind, uint8_t side, uint8_t pair)
{
    return static_cast<uint8_t>((kind & 7) << 5 | (side & 1) << 4 | (pair & 0x0F));
}

std::string encodeSiteSummary(const Site &site);
std::string encodeSiteConfig(const Site &site, std::string_view revision);
std::string encodeConnectionInfo(const WiringConvention &convention);
std::string encodeWireNames(const WiringConvention &convention);
std::string encodeCable(const Cable &cable);
// `limitNumbers` are the LIMIT? (or, for optical standards, LIMITOPT?)
// numbers of the standard's curves, in the order of kLimitSlotKinds.
std::string encodeNorm(const Standard &standard, const std::array<uint8_t, 8> &limitNumbers,
                       std::string_view revision);
// Four segments; those the sweep does not use are zero.
std::string encodeSweep(const Standard &standard);
// A header record (count, shift) and one record per point.
std::string encodeLimitCurve(const LimitCurve &curve);
std::string encodeOpticalLimits(const OpticalTables &tables, std::string_view revision);
std::string encodeGraphSummary(const Graph &graph);

// Wire numbers as NORM_WIRES_NR? sends them: "1,2,3,4,5,6,7,8".
std::string wireNumbersLine(const Standard &standard);

}  // namespace torvik::sim
