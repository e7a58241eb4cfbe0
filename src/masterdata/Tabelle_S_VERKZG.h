#pragma once

#include "platform/db/TableDef.h"

// S_VERKZG.DB, the transport modes.
db::TableDef Tabelle_S_VERKZG();
