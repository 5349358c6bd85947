// Names of pairs and pair combinations as the lists, curve titles and
// reports show them: from the wiring convention's pair names of a side.
#pragma once

#include <string>

#include "conv_cab.h"
#include "measure_kind.h"

namespace quillet::model {

// NEXT and ACR codes name one of six combinations, ELFEXT codes one of
// twelve ordered combinations ("1-2/3-6"); other kinds name a single pair.
// "" for a code the kind does not have.
std::string pairNameOfCode(const CConvCab &convention, int kind, Side side, int code);

}  // namespace quillet::model
