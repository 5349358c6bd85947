// A site as the tester stores it: its configuration, the tested plugs with
// their results and curves, and the graphs measured on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "standard.h"

namespace torvik::sim {

// A worst-case entry of one kind and side: where and how badly the link did.
struct WorstCase {
    uint8_t pair = 0;    // pair or pair combination code, 0 to 15
    int16_t value = 0;   // 1/8 dB, -160 to 863
    uint16_t index = 0;  // sweep index, 0 to 1023
    bool operator==(const WorstCase &) const = default;
};

// Entry A is the worst by value, entry B the worst by margin to the limit.
struct WorstPair {
    WorstCase absolute;
    WorstCase margin;
    bool operator==(const WorstPair &) const = default;
};

enum class Side : uint8_t { Tester = 0, Remote = 1 };

// Results of a complete autotest on a copper standard.
struct CopperResults {
    bool mappingFault = false;  // status bit 7: the wire map shows "S"
    uint8_t statusBits = 0;     // status bits 0 to 4, carried
    std::array<uint16_t, 4> loopResistance{};  // 1/10 ohm, per pair
    std::array<bool, 4> loopFlags{};           // the flag beside each
    std::array<uint16_t, 4> delay{};           // ns, per pair
    std::array<std::array<WorstPair, 2>, 8> worst{};  // [kind][side]
    bool operator==(const CopperResults &) const = default;
};

// Results of a plug tested under a standard in value mode.
struct ValueResults {
    uint16_t delay = 0;           // ns
    uint16_t loopResistance = 0;  // 1/10 ohm
    uint8_t impedance = 0;        // measured Zc, ohm
    bool operator==(const ValueResults &) const = default;
};

struct OpticalLoss {
    bool measured = false;
    int16_t loss = 0;  // 1/100 dB
    bool operator==(const OpticalLoss &) const = default;
};

// A voltage found on the link stopped the autotest (result 0).
struct PairVoltage {
    uint16_t dc = 0;  // 1/10 V
    uint16_t ac = 0;  // 1/10 V
    uint8_t pins = 0;
    bool operator==(const PairVoltage &) const = default;
};
struct VoltageStop {
    uint8_t status = 0;
    std::array<PairVoltage, 4> pairs{};
    bool operator==(const VoltageStop &) const = default;
};

// The wire map failed (result 1): where each tester-side wire arrived.
struct WiringFault {
    std::array<uint8_t, 8> farEnd{};  // remote pin, 0 = open
    std::array<uint8_t, 8> fault{};   // 0 good, 1 open, 2 short, 3 crossed, 4 split
    uint16_t faultCount = 0;
    uint8_t shield = 0;  // sent from B.08 on
    bool operator==(const WiringFault &) const = default;
};

struct Exemptions {
    bool returnLossTester = false;
    bool returnLossRemote = false;
    bool nextTester = false;
    bool nextRemote = false;
    bool psNextTester = false;
    bool psNextRemote = false;
    bool operator==(const Exemptions &) const = default;

    // Whether a side (0 tester, 1 remote) of a kind is left out of the
    // verdict: only return loss, NEXT and power-sum NEXT have exemptions.
    bool exempts(Kind kind, std::size_t side) const
    {
        switch (kind) {
        case Kind::ReturnLoss:
            return side == 0 ? returnLossTester : returnLossRemote;
        case Kind::Next:
            return side == 0 ? nextTester : nextRemote;
        case Kind::PsNext:
            return side == 0 ? psNextTester : psNextRemote;
        default:
            return false;
        }
    }
};

// A curve the tester recorded during a plug's autotest: one value for every
// second point of the sweep (indices 0, 2, 4...).
struct PlugCurve {
    uint8_t kind = 0;
    uint8_t side = 0;
    uint8_t pair = 0;
    uint8_t verdict = 3;  // 0 FAIL, 1 FAIL*, 2 PASS*, 3 PASS
    std::vector<int16_t> values;  // 1/8 dB
    bool operator==(const PlugCurve &) const = default;
};

// Result types: 0 voltage stop, 1 wire map failed, 2 and 3 failed, 4 and 5
// passed; 3 and 4 within the measurement uncertainty. Which result block
// applies follows from the result type and the site standard's mode; the
// others stay empty.
struct Plug {
    std::string id;    // OEM text, at most 15 characters
    std::string text;  // OEM text, at most 19 characters
    uint32_t dateTime = 0;
    uint8_t result = 5;
    Exemptions exempt;
    VoltageStop voltage;
    WiringFault wiring;
    CopperResults copper;
    ValueResults valueMode;
    std::array<OpticalLoss, 2> optical{};
    std::vector<PlugCurve> curves;
    bool operator==(const Plug &) const = default;
};

// A single measured curve, one value per sweep point.
struct Graph {
    std::string id;
    std::string text;
    uint32_t dateTime = 0;
    uint8_t kind = 0;
    uint8_t side = 0;
    uint8_t pair = 0;
    uint8_t verdict = 3;
    std::string pairText;  // at most 8 characters
    std::vector<int16_t> values;  // 1/8 dB
    bool operator==(const Graph &) const = default;
};

struct Site {
    std::string name;        // OEM text, at most 15 characters
    uint32_t dateTime = 0;   // seconds since 1970
    uint8_t standard = 0;    // NORM? number
    uint8_t convention = 0;  // CNX_INF? number
    uint8_t cable = 0;       // CABLE? number
    std::string wiringText;  // at most 18 characters
    uint16_t nvp = 690;      // 1/10 %
    uint16_t configWord1 = 0;   // record offset 40
    std::string patternText = "AAaaBBbbCCccDDdd";  // at most 16 characters
    uint16_t configWord2 = 0;   // 58
    uint16_t configWord3 = 0;   // 60
    uint8_t configByte2 = 0;    // 62
    uint8_t configByte3 = 0;    // 63
    uint8_t configByte1 = 0;    // 64
    uint32_t configDword = 0;   // 65
    uint8_t plugName = 0;       // PLUG_NAME? number, 0: none
    std::vector<Plug> plugs;
    std::vector<Graph> graphs;
    bool operator==(const Site &) const = default;
};

// A wiring convention: CNX_INF? and WIRES_NAMES?.
struct WiringConvention {
    uint16_t nameMessage = 0;
    bool reversedPairs = false;  // flag bit 5
    bool flag2 = false;          // bit 6
    bool flag3 = false;          // bit 7
    std::array<uint8_t, 8> pinMap{};
    std::array<uint8_t, 4> pairMap{};
    std::array<uint8_t, 4> extra{};  // record bytes 15 to 18
    // Names of at most 3 characters.
    std::array<std::string, 8> testerWires;
    std::array<std::string, 4> testerPairs;
    std::array<std::string, 8> remoteWires;
    std::array<std::string, 4> remotePairs;
    bool operator==(const WiringConvention &) const = default;
};

struct Cable {
    uint16_t nameMessage = 0;
    bool fibre1 = false;        // flag bit 3
    bool fibre2 = false;        // bit 4
    bool flag3 = false;         // bit 5
    bool withoutCable = false;  // bit 6: the standard is asked without a cable number
    bool extraRow = false;      // bit 7
    uint8_t impedance = 100;  // ohm
    uint16_t value1 = 0;
    uint16_t value2 = 0;
    bool operator==(const Cable &) const = default;
};

}  // namespace torvik::sim
