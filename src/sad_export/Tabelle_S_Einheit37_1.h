#pragma once

#include "platform/db/TableDef.h"

// Codes of box 37's sub-field 1, kept by the users.
db::TableDef Tabelle_S_Einheit37_1();
