#pragma once

#include "platform/db/TableDef.h"

// S_FelderJust.DB in the data directory, shared by all users: per form
// ("IMO", "SHIPPERS DECLARATION", the same text as its page kind in
// S_BENUTZ) the offsets of each printed field in 0.1 mm, on top of the page
// offsets: Feld1x, Feld1y, Feld2x ... Feld25y. A larger x moves the field
// right, a larger y moves it down. Keyed by Name.
db::TableDef Tabelle_S_FelderJust();
