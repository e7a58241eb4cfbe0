#pragma once

#include "platform/db/TableDef.h"

// The export declaration's items, keyed by (belegnr, pos), positions 1..n.
db::TableDef Tabelle_EINFOLG();
