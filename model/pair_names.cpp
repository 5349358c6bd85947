#include "pair_names.h"

#include "plug_curve_math.h"

namespace quillet::model {

std::string pairNameOfCode(const CConvCab &convention, int kind, Side side, int code) {
    const bool combination = kind == kind::kNext || kind == kind::kAcr || kind == kind::kElfext;
    if (!combination) return code >= 0 && code < 4 ? convention.pairName(side, code) : "";
    const int codes = kind == kind::kElfext ? 12 : 6;
    if (code < 0 || code >= codes) return "";
    const auto pairs = curves::pairsOfCode(code);
    return convention.pairName(side, pairs.first) + "/" + convention.pairName(side, pairs.second);
}

}  // namespace quillet::model
