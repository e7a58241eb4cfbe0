#pragma once

#include "platform/db/TableDef.h"

// S_HAFEN.DB, the ports.
db::TableDef Tabelle_S_HAFEN();
