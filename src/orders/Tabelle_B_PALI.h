#pragma once

#include "platform/db/TableDef.h"

// `B_PALI`: packing-list header in the data store `Z_Tavero`, keyed by
// `belegnr`; `belegnr` and `Datum` stand first because the shared copy
// routines address them by position.
db::TableDef Tabelle_B_PALI();
