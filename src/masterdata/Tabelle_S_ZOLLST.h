#pragma once

#include "platform/db/TableDef.h"

// S_ZOLLST.DB, the customs offices.
db::TableDef Tabelle_S_ZOLLST();
