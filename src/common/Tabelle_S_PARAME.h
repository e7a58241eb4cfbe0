#pragma once

#include "platform/db/TableDef.h"

#include <QStringList>

// S_PARAME.DB, the one parameter record in the data directory that every
// workstation shares: per document family its number proposal, plausibility
// switch and fixed-field list; company header and footer, logo, VAT rate and
// number; the names of the five print languages; the default lists of boxes
// that are not pre-stamped; a few Intrastat settings. Fields are reached by
// name only.
db::TableDef Tabelle_S_PARAME();

namespace db {
class Table;
}

// The print languages as the parameter record names them at first.
const QStringList &S_PARAME_Sprachen();

// Appends the parameter record when the table has none: every proposal
// (Vorschlag...) at 1, every switch (Plausi...) off, the five language names.
// Returns whether it did.
bool S_PARAME_SatzSicherstellen(db::Table &parameter);
