#pragma once
// The model database the simulated instrument ships with: invented, generic
// models, enough of each kind to exercise every list of the program.

#include "sdk/sim/Description.h"

namespace ZOSCOPELib::sim {

// Fills the built-in lists, objectives, name tables and filter-block
// compositions of d (the user entries are left alone).
void FillBuiltinDatabase(Description& d);

} // namespace ZOSCOPELib::sim
