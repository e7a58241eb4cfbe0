#pragma once

#include "platform/db/TableDef.h"

// The CMR consignment notes' headers: one record per note, the master record
// 2000000000 last in key order. Other subsystems write follow-up notes into
// it, so the layout is theirs too.
db::TableDef Tabelle_CMR();
