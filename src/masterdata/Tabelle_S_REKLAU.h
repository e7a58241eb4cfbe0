#pragma once

#include "platform/db/TableDef.h"

// S_REKLAU.DB, the invoice clauses: number as text of digits (key) and ten
// lines in each of the five document languages.
db::TableDef Tabelle_S_REKLAU();
