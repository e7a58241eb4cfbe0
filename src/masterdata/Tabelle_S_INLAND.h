#pragma once

#include "platform/db/TableDef.h"

// S_INLAND.DB, the federal states.
db::TableDef Tabelle_S_INLAND();
