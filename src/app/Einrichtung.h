#pragma once

#include <QString>

// A new installation for a clerk: in the program folder "Razazu.ini" naming
// the data directory "Daten" beside it, there a new data store with every
// registered table, the parameter record, the five languages, the template
// of the print settings and the administrator "Systemverwalter" (empty
// password) with his own folder; beside it the export declaration's
// pre-stamper lists, empty, which its print cannot do without. An existing
// installation (the INI file is there) is left alone but for missing
// pre-stamper lists; an existing data directory is used as it is, existing
// lists too.
enum class Einrichtung { Eingerichtet, Vorhanden };

// sys::FileSystemError or DatabaseError when it fails; the INI file is written last,
// so a failed set-up is tried again next time.
Einrichtung InstallationEinrichten(const QString &programmOrdner);
