#pragma once

#include "platform/db/TableDef.h"

// S_ZABEDG.DB, the payment terms: number as text of digits (key) and five
// lines in each of the five document languages.
db::TableDef Tabelle_S_ZABEDG();
