// libtorvlink.so is the core's objects, linked whole; this unit only
// anchors the shared library target.
#include "torvlink.h"
