// CGrphMes: one curve - the values of one measurement kind over frequency
// for a pair or pair combination on one side of a link, or a standard's
// limit curve. Plugs keep their curves in it, and so does the graph document.
#pragma once

#include <cstdint>
#include <string>

#include "archive_class.h"
#include "float_array.h"

namespace quillet::model {

class ArchiveReader;
class ArchiveWriter;

class CGrphMes {
public:
    static constexpr ArchiveClass kArchiveClass = ArchiveClass::GrphMes;
    static constexpr std::uint8_t kNoPair = 0xFF;

    std::string title = "...";
    std::string text2;
    std::int32_t kind = 0;           // 0 to 7
    std::uint32_t timeStamp = 0;     // seconds since 1970; 0 for plug curves
    std::int32_t verdictCode = -1;   // 0 FAIL, 1 FAIL*, 2 PASS*, 3 PASS; negative: none
    std::uint8_t pairCode = kNoPair;
    std::int32_t side = 0;           // 0 tester, 1 remote
    std::int32_t limitFlag = 0;      // 1: a limit curve of a standard
    CFloatArray values;              // dB
    CFloatArray frequencies;         // MHz, as many as values

    // The pair code is read only where its gate lets (else it stays 0xFF).
    void store(ArchiveWriter &ar) const;
    void load(ArchiveReader &ar);

    friend bool operator==(const CGrphMes &, const CGrphMes &) = default;
};

}  // namespace quillet::model
