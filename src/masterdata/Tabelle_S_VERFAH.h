#pragma once

#include "platform/db/TableDef.h"

// S_VERFAH.DB, the declaration procedures.
db::TableDef Tabelle_S_VERFAH();
