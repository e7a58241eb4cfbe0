#pragma once

#include "platform/db/TableDef.h"

// The tables of the packing-list family, in the data store `Z_Tavero`.

// `B_PALI`: packing-list header, keyed by `belegnr`; `belegnr` and `Datum`
// stand first because the shared copy routines address them by position.
db::TableDef Tabelle_B_PALI();

// `B_PALI2`: packing-list lines, a detail of the header on `belegnr`. The
// lines of one packing list keep the order in which they were written (the
// position number `auftrnr` is text and would sort "10" before "2").
db::TableDef Tabelle_B_PALI2();
