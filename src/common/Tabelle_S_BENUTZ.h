#pragma once

#include "platform/db/TableDef.h"

#include <QStringList>

// S_BENUTZ.DB, the print settings: one row per printed page kind, keyed by
// name. Each user has a copy in his folder (alias "Razazu"); the data
// directory holds the template a new user's copy is made from.
//
// schnittst holds the printer's NAME (print::PrinterList::resolve); empty,
// "-1" or "LPT1" mean no printer chosen. spalte and zeile are offsets in
// 0.1 mm, Anzahl_Kopien the number of copies.
db::TableDef Tabelle_S_BENUTZ();

// The page kinds the print forms look up, exactly as they spell them.
const QStringList &S_BENUTZ_Seitenarten();
