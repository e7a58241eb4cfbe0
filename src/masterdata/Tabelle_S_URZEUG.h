#pragma once

#include "platform/db/TableDef.h"

// S_URZEUG.DB, the back-page texts of the certificate of origin: a text
// number, the country it is for (a Land of S_LANDBZ) and twenty lines.
db::TableDef Tabelle_S_URZEUG();
