#pragma once

#include "ForeignData.h"

#include <QByteArray>
#include <QString>

namespace files {

// Paradox tables (".DB") through pxlib. Reading takes every field type;
// memo, graphic and binary values that do not fit into the record come from
// the ".MB" file beside the table. The header, the field descriptions and the
// chain of data blocks are checked against the bytes before the library sees
// them, so a truncated or corrupt file gives a FileError naming fileName.
ForeignData readParadox(const QByteArray &bytes, const QString &fileName, const QByteArray &blobFile = {});
ForeignData readParadoxFile(const QString &path);

// A new Paradox 7 table (without primary index) with the fields of data and
// all its rows, in Windows-1252. Field names are cut to 25 characters; memo
// text goes into an alpha field as wide as its longest value (at most 255).
void writeParadoxFile(const ForeignData &data, const QString &path);

} // namespace files
