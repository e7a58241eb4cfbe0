#pragma once

#include "platform/db/TableDef.h"

// S_BEARB.DB, the users, in the data directory; key Kurzname, secondary
// index "Name".
db::TableDef Tabelle_S_BEARB();

// The value of Funktion that makes a user the administrator (compared in
// upper case) and that of an ordinary user.
inline const QString FunktionSystemverwalter = QStringLiteral("Systemverwalter");
inline const QString FunktionAnwender = QStringLiteral("Anwender");

bool IstSystemverwalter(const QString &funktion);
