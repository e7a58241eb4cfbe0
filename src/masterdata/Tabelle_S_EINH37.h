#pragma once

#include "platform/db/TableDef.h"

// S_EINH37.DB, the procedure codes of box 37.
db::TableDef Tabelle_S_EINH37();
