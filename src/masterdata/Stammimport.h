#pragma once

#include "platform/db/DatabaseError.h"
#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/ForeignFile.h"

#include <QString>
#include <functional>

namespace db {
class Table;
}

namespace masterdata {

// A file to import from or export to: its full name, the format as the
// chooser TfrmDatenbank numbers it and, for delimited text, its separator
// and quote character.
struct Stammdatei
{
    QString name;
    int format = -1;
    files::DelimitedFormat textformat;
};

// How the file layer opens the file: by its extension, or where it knows
// none, by the chosen format.
files::OpenOptions stammdateiOptionen(const Stammdatei &datei);
// The format an extension stands for ("DBF", "DB", "TXT"); -1 for others.
int formatZurEndung(const QString &dateiName);

// The steps of an import: one per field compared, one per field of every
// row. beginnen gives the number of steps when the source tells its rows
// (dBase, Paradox, text tables), melden the steps done, at most every
// 100 ms and once at the end.
struct Importfortschritt
{
    std::function<void(qint64 schritte)> beginnen;
    std::function<void(qint64 erledigt)> melden;
};

// The source's fields are not the target's, position by position.
class Strukturfehler : public db::DatabaseError
{
public:
    Strukturfehler();
};

// Every row of the file, each updating the target record with the same key
// (the leading schluesselfelder fields of the target's current order) or
// inserting one, the row's values given to the target's fields by
// position. All in one transaction: a row that cannot be stored leaves the
// table as it was. Throws Strukturfehler, or a files::FileError that names
// the file, the row and, for a value, its field. Returns the rows imported.
int stammdatenImportieren(db::Table &ziel, int schluesselfelder, const Stammdatei &datei,
                          const Importfortschritt &fortschritt = {});

// Every record of ziel into a new file of the format (not "CSV-Dateien"),
// replacing one of that name. A delimited file gets the field names in its
// first line, text values between quote characters, the others bare.
void stammdatenExportieren(db::Table &ziel, const Stammdatei &datei);

} // namespace masterdata
