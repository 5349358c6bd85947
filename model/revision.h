// Document revisions and the gates that decide which fields an older
// document holds. A gate is a pair of lower bounds, one for the ordinary
// revisions ("A.00" up to "Z.00") and one for the "Z" series. Every field
// that depends on the revision names its gate in the table of revision.cpp,
// the one place where a stored layout is tied to the program that wrote it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillet::model {

// The gates of the records and documents, in the order of the table.
enum class Gate : std::uint8_t {
    CableFibreFlag1,
    CableFibreFlag2,
    NormRecord,
    NormWireNumbers,
    NormOpticalTables,
    NormOpticalHundredths,
    NormThreeOpticalTables,
    PriseRecord,
    PriseRlExemptions,
    PriseNextExemptions,  // also: remote RL exemption as a double word
    PrisePsNextExemptions,
    PriseCurves,
    SiteRecord,
    SiteFirstUncertainties,
    SiteLastUncertainties,
    SitePlugName,
    SiteOpticalHundredths,
    GrphMesPairCode,
    DocumentRecords,  // what a document holds after its header and comment
};

struct GateEntry {
    Gate gate;
    const char *name;      // "PriseCurves", for tests and diagnostics
    const char *record;    // "CPrise"
    const char *ordinary;  // lower bound of the ordinary series
    const char *zSeries;   // lower bound of the "Z" series
    const char *covers;    // what the gate admits
};

// Every gate, in the order of the enumeration.
std::span<const GateEntry> gateTable();
const GateEntry &gateEntry(Gate gate);

// Upper-cased copy of a revision ("d.06" is read as "D.06").
std::string normalRevision(std::string_view revision);

// The revision a header line names: the text two characters after the
// first tab (the tab and the "v") up to the next tab, upper-cased; "" when
// the line has no tab.
std::string revisionOfHeader(std::string_view header);

// The gate test: (R >= ordinary and R < "Z.00") or R >= zSeries, in plain
// byte order after upper-casing R. The empty revision passes no gate.
bool passesGate(std::string_view revision, const char *ordinary, const char *zSeries);
bool passes(std::string_view revision, Gate gate);

}  // namespace quillet::model
