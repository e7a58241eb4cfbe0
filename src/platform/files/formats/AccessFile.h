#pragma once

#include "ForeignData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace files {

// Microsoft Access databases (".mdb", ".accdb") through mdbtools, read only.
// The page layout is checked before the library sees the bytes, so a
// truncated or foreign file gives a FileError naming fileName.
QStringList accessTableNames(const QByteArray &bytes, const QString &fileName);

// One table in the order of its primary key (the index "PrimaryKey") where
// it has one, otherwise in stored order. The name is matched without regard
// to case.
ForeignData readAccess(const QByteArray &bytes, const QString &fileName, const QString &tableName);
ForeignData readAccessFile(const QString &path, const QString &tableName);

} // namespace files
