#pragma once

#include "platform/db/TableDef.h"

// `B_PALI2`: packing-list lines in the data store `Z_Tavero`, a detail of the
// header `B_PALI` on `belegnr`. The lines of one packing list keep the order
// in which they were written (the position number `auftrnr` is text and would
// sort "10" before "2").
db::TableDef Tabelle_B_PALI2();
