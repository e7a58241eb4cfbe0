#pragma once

#include "platform/files/formats/FileError.h"
#include "platform/files/formats/ForeignFile.h"

#include <QString>

namespace db {
class Table;
}

namespace files {

// Every record of source from its first, in its order (range and filter
// honoured), with the table's stored fields. Leaves source on its first
// record.
ForeignData tableData(db::Table &source);

// The batch copy into a new file: the file gets the table's structure and
// all its records and replaces a file of that name. The new file is written
// completely before it replaces the old one, so a failure (a value the format
// cannot hold, a full disk) leaves the old file as it was. Formats: dBase,
// Paradox, and text table (fixed width, with its schema file).
void copyTableToFile(db::Table &source, const QString &path, FileFormat format);
void writeForeignFile(const ForeignData &data, const QString &path, FileFormat format);

// A spreadsheet with the field names as header row and one typed row per
// record.
void copyTableToXlsx(db::Table &source, const QString &path);

} // namespace files
