#pragma once

#include "platform/db/TableDef.h"

// S_SPEDIT.DB, the forwarders: number (key), five address lines, contact.
db::TableDef Tabelle_S_SPEDIT();
