#pragma once

#include "platform/db/TableDef.h"

#include <QList>
#include <QPoint>

namespace db {
class Database;
}

// S_FelderJust.DB in the data directory, shared by all users: per form
// ("IMO", "SHIPPERS DECLARATION", the same text as its page kind in
// S_BENUTZ) the offsets of each printed field in 0.1 mm, on top of the page
// offsets: Feld1x, Feld1y, Feld2x ... Feld25y. A larger x moves the field
// right, a larger y moves it down. Keyed by Name.
db::TableDef Tabelle_S_FelderJust();

// The number of fields a row holds.
constexpr int S_FelderJust_Felder = 25;

// The offsets of a form's fields as its print form reads them: entry n - 1
// is field n (x, y); all 0 when the form has no row. The print form adds a
// field's offset to the field's fixed position for every text it prints for
// it; the page offsets of S_BENUTZ then apply as usual.
QList<QPoint> S_FelderJust_Versaetze(db::Database &daten, const QString &formular);
