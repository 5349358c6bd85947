#include "revision.h"

#include <algorithm>
#include <cctype>

namespace quillet::model {
namespace {

constexpr GateEntry kGates[] = {
    {Gate::CableFibreFlag1, "CableFibreFlag1", "CCable", "A.10", "Z.23", "first fibre flag"},
    {Gate::CableFibreFlag2, "CableFibreFlag2", "CCable", "A.02", "Z.12", "second fibre flag"},
    {Gate::NormRecord, "NormRecord", "CNorm", "A.00", "Z.06", "the whole record"},
    {Gate::NormWireNumbers, "NormWireNumbers", "CNorm", "A.01", "Z.11", "wire numbers"},
    {Gate::NormOpticalTables, "NormOpticalTables", "CNorm", "A.02", "Z.12",
     "optical limit tables"},
    {Gate::NormOpticalHundredths, "NormOpticalHundredths", "CNorm", "A.08", "Z.21",
     "optical losses in hundredths of dB (else tenths)"},
    {Gate::NormThreeOpticalTables, "NormThreeOpticalTables", "CNorm", "A.10", "Z.23",
     "three optical tables (else two)"},
    {Gate::PriseRecord, "PriseRecord", "CPrise", "A.00", "Z.06", "the whole record"},
    {Gate::PriseRlExemptions, "PriseRlExemptions", "CPrise", "A.03", "Z.17",
     "return loss exemptions"},
    {Gate::PriseNextExemptions, "PriseNextExemptions", "CPrise", "A.08", "Z.20",
     "NEXT exemptions; remote return loss exemption as a double word"},
    {Gate::PrisePsNextExemptions, "PrisePsNextExemptions", "CPrise", "A.08", "Z.21",
     "power-sum NEXT exemptions"},
    {Gate::PriseCurves, "PriseCurves", "CPrise", "D.02", "Z.27", "the fifteen curve arrays"},
    {Gate::SiteRecord, "SiteRecord", "CSite", "A.00", "Z.06", "the whole record"},
    {Gate::SiteFirstUncertainties, "SiteFirstUncertainties", "CSite", "A.00", "Z.08",
     "first four uncertainties"},
    {Gate::SiteLastUncertainties, "SiteLastUncertainties", "CSite", "A.02", "Z.12",
     "last two uncertainties"},
    {Gate::SitePlugName, "SitePlugName", "CSite", "A.08", "Z.20", "plug-name text"},
    {Gate::SiteOpticalHundredths, "SiteOpticalHundredths", "CSite", "A.08", "Z.21",
     "optical plug losses in hundredths of dB (else tenths)"},
    {Gate::GrphMesPairCode, "GrphMesPairCode", "CGrphMes", "D.02", "Z.27", "pair code"},
    {Gate::DocumentRecords, "DocumentRecords", "document", "A.00", "Z.06",
     "the records after the header and comment"},
};

constexpr bool tableFollowsEnumeration() {
    for (std::size_t i = 0; i < std::size(kGates); ++i) {
        if (static_cast<std::size_t>(kGates[i].gate) != i) return false;
    }
    return true;
}
static_assert(tableFollowsEnumeration(), "gate table out of order");

}  // namespace

std::span<const GateEntry> gateTable() { return kGates; }

const GateEntry &gateEntry(Gate gate) { return kGates[static_cast<std::size_t>(gate)]; }

std::string normalRevision(std::string_view revision) {
    std::string out(revision);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

std::string revisionOfHeader(std::string_view header) {
    const std::size_t tab = header.find('\t');
    if (tab == std::string_view::npos || tab + 2 > header.size()) return "";
    std::string_view rest = header.substr(tab + 2);
    return normalRevision(rest.substr(0, rest.find('\t')));
}

bool passesGate(std::string_view revision, const char *ordinary, const char *zSeries) {
    const std::string r = normalRevision(revision);
    return (r >= ordinary && r < "Z.00") || r >= zSeries;
}

bool passes(std::string_view revision, Gate gate) {
    const GateEntry &entry = gateEntry(gate);
    return passesGate(revision, entry.ordinary, entry.zSeries);
}

}  // namespace quillet::model
