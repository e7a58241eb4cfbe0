#pragma once

#include <QString>

namespace db {
class Database;
}

// The user's own folder in the program folder, "User" and his number, with
// his copy of the print settings S_BENUTZ.

QString BenutzerOrdner(int userNr);

// Creates the folder and copies the data directory's print settings into
// its store. A folder that exists already is left as it is. false when the
// folder could not be made or the copy failed.
bool BenutzerOrdnerAnlegen(const QString &ordner, db::Database &datenbank);

// Gives an existing folder whose store lacks the print settings a copy of
// them (a user created at another workstation).
void BenutzerEinstellungenSicherstellen(const QString &ordner, db::Database &datenbank);
