#pragma once

#include "platform/db/TableDef.h"

// RECHNUNG.DB, the order and invoice header, keyed by Belegnr. Its presence
// marks a valid data directory.
db::TableDef Tabelle_RECHNUNG();
