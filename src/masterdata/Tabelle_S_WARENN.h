#pragma once

#include "platform/db/TableDef.h"

// S_WARENN.DB, the statistical goods numbers with their descriptions. Several
// rows may share a goods number, so the table has no primary key; every order
// goes through the four case-insensitive secondary indexes.
db::TableDef Tabelle_S_WARENN();
