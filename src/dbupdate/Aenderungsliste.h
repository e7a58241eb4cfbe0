#pragma once

#include "platform/files/ForeignTable.h"

#include <QString>
#include <memory>

namespace dbupdate {

// The change list "Aenderung.txt" in the program folder, read as the text
// table "Aenderung" with the fields LfdNr, Aktion, FeldName, Laenge, Typ,
// Tabelle and Index. Its layout is the schema file "Aenderung.sch" beside it;
// a list that comes without one is read with the layout below (separated
// values, Windows code page):
//
//     1,"N","Fax",30,1,"S_KUNDEN",0
extern const char *const standardSchemaAenderung;

// Throws files::FileError when the list is missing, unreadable or lacks one
// of the fields the update reads.
std::unique_ptr<files::ForeignTable> AenderungslisteOeffnen(const QString &programmVerzeichnis);

} // namespace dbupdate
