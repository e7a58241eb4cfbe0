#pragma once

#include "platform/db/TableDef.h"

// S_KUNDEN.DB, the customers: number (key), address, contact lines, language,
// VAT number, delivery term and the trader identification.
db::TableDef Tabelle_S_KUNDEN();
