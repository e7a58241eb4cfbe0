#pragma once

#include "common/Belegart.h"

// The CMR consignment note: headers in CMR, lines of goods in Cmrfolg,
// numbered through VorschlagNr_10.
const Belegart &CmrFrachtbrief();
