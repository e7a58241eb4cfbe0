#pragma once

#include "platform/db/TableDef.h"

// S_PRAEFZ.DB, the preference clauses: a code and six lines of text in one
// language.
db::TableDef Tabelle_S_PRAEFZ();
