#pragma once

#include "platform/db/TableDef.h"

// S_SPRACH.DB, the languages: Skz (the language letter, key) and Sprache
// (its name).
db::TableDef Tabelle_S_SPRACH();
