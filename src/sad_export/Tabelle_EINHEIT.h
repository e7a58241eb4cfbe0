#pragma once

#include "platform/db/TableDef.h"

// The export declaration's headers: one record per declaration, the master
// record 2000000000 last in key order.
db::TableDef Tabelle_EINHEIT();
