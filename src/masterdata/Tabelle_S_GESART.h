#pragma once

#include "platform/db/TableDef.h"

// S_GESART.DB, the business types (nature of transaction).
db::TableDef Tabelle_S_GESART();
