#pragma once

#include "platform/db/TableDef.h"

// S_LANDBZ.DB, the countries: number (key), names, codes, currency, border
// office and the default procedure codes. Country lists go by the name
// (iBez); callers that work with the two-letter code use the index Lkz.
db::TableDef Tabelle_S_LANDBZ();
