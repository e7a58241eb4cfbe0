#pragma once

#include "platform/db/TableDef.h"

// S_PACKST.DB, the package kinds: code (key), descriptions in the five
// languages and the dimensions.
db::TableDef Tabelle_S_PACKST();
