#pragma once

#include "platform/db/TableDef.h"

// S_VERSAN.DB, the shipping addresses: number (key), five address lines,
// contact.
db::TableDef Tabelle_S_VERSAN();
