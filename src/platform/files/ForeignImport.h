#pragma once

#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ForeignFile.h"

#include "platform/db/BatchMove.h"

#include <QString>

namespace db {
class Database;
}

namespace files {

// The rows of a foreign file moved into tableName of database as
// db::batchMove moves a table's (same matching by field name, conversion
// and modes, one transaction), read from the file as they are written: no
// copy of the file in memory or in a store on the way. A failing row fails
// the whole import and nothing is written; the FileError names the file and
// the record. Returns the rows moved.
int importForeignFile(const QString &path, const OpenOptions &options, db::Database &database,
                      const QString &tableName, db::BatchMode mode);

// The layout a foreign file's table gets: named after the file, field names
// unique without regard to case, no key, no required fields.
db::TableDef foreignLayout(const db::TableDef &fileLayout, const QString &fileName);

} // namespace files
