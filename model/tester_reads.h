// Reading the records a site refers to from the tester through the link:
// its cable type, its wiring convention and its standard. Each returns 0,
// or -1 when a tester call failed; the fields stored before the failure
// keep their new values and the caller abandons the record.
#pragma once

#include <cstdint>
#include <vector>

#include "cable.h"
#include "conv_cab.h"
#include "norm.h"
#include "torvlink.h"

namespace quillet::model {

int readCableFromTester(CCable &cable, int number);
int readConvCabFromTester(CConvCab &convention, int number);
// `second`: the site's cable number, or 0xFFFF when its cable asks for
// the standard without one.
int readNormFromTester(CNorm &standard, int number, int second);

// A standard's limit curve in the form the link evaluates.
LimitCurve toLinkCurve(const std::vector<LimitRecord> &records);

}  // namespace quillet::model
