// CSite: one site (one cabling installation) as downloaded from the tester:
// its name and test time, the configuration it was tested under (velocity
// of propagation, wiring convention, cable, standard), who tested it with
// which tester, the tester's measurement uncertainties, the user's comment
// and its plugs (owned; copies are deep).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "archive_class.h"
#include "cable.h"
#include "conv_cab.h"
#include "norm.h"
#include "prise.h"
#include "regional.h"
#include "test_time.h"

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

// Slots: length (m), propagation delay (ns), delay skew (ns), loop
// resistance (ohms), Zc (ohms), optical loss (dB).
using Uncertainties = std::array<float, 6>;
inline constexpr Uncertainties kDefaultUncertainties{4.0f, 25.0f, 10.0f, 0.2f, 5.0f, 0.2f};

class CSite {
public:
    static constexpr ArchiveClass kArchiveClass = ArchiveClass::Site;

    std::string name = "...";
    std::uint16_t nvp = 0;          // nominal velocity of propagation, tenths of a percent
    std::uint16_t configWord1 = 0;
    std::uint8_t configByte1 = 0;
    std::uint32_t testTime = 0;     // seconds since 1970
    std::string patternText = "AAaaBBbbCCccDDdd";
    std::uint16_t configWord2 = 0;
    std::uint16_t configWord3 = 0;
    std::uint8_t configByte2 = 0;
    std::uint8_t configByte3 = 0;
    CNorm standard;
    CConvCab convention;
    CCable cable;
    std::string wiringText = "...";
    std::string plugNameText;
    std::string testerMaker, testerModel, testerSerial, testerRevision;
    std::string user, company;
    Uncertainties uncertainties = kDefaultUncertainties;
    std::string comment;
    std::vector<CPrise> plugs;

    void swapPlugs(std::size_t a, std::size_t b);
    std::string testTimeText(TimeForm form, const Regional &regional) const;
    // "ROOM1(12/03/01)": the entry of the file summary.
    std::string summaryEntry(const Regional &regional) const;
    std::string summaryEntry() const { return summaryEntry(programRegional()); }

    // Loading reads nothing unless the whole-record gate passes. Old optical
    // plugs get their loss words from tenths to hundredths of a dB.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CSite &, const CSite &) = default;

private:
    void scaleOldOpticalLosses();
};

}  // namespace quillet::model
