#pragma once

#include "platform/db/TableDef.h"

// S_LIEFER.DB, the delivery terms.
db::TableDef Tabelle_S_LIEFER();
