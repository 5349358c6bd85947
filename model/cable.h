// CCable: one cable type of the tester, copied into the site it was tested
// under. Its two fibre flags choose the optical table of the standard; the
// other flags and words are the tester's own settings, carried as they are.
#pragma once

#include <cstdint>
#include <string>

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

// Which optical table of a standard a cable's fibre flags choose.
enum class OpticalTable : std::uint8_t { MultiMode50 = 0, MultiMode62 = 1, MonoMode = 2 };

class CCable {
public:
    std::string name = "...";
    std::uint8_t fibreFlag1 = 0;
    std::uint8_t fibreFlag2 = 0;
    std::uint8_t flag3 = 0;
    std::uint8_t standardWithoutCable = 0;  // ask the tester for the standard without cable number
    std::uint8_t extraRow = 0;              // one more row in the report's wiring tables
    std::uint8_t nominalImpedance = 0;      // ohms
    std::uint16_t value1 = 0;
    std::uint16_t value2 = 0;

    // Fibre flag 2 clear: mono mode; set with flag 1 clear: 62.5 µm; both: 50 µm.
    OpticalTable opticalTable() const;

    // The five flags from the tester's flag byte (bits 3 to 7).
    void setFlagsFromByte(std::uint8_t flags);

    // Every field; loading reads the fibre flags only where their gates let.
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CCable &, const CCable &) = default;
};

}  // namespace quillet::model
