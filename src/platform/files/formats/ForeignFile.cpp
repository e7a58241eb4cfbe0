#include "ForeignFile.h"

#include "AccessFile.h"
#include "DbaseFile.h"
#include "FileError.h"
#include "private/FileReading.h"
#include "ParadoxFile.h"
#include "TextTable.h"

#include <QFileInfo>

namespace files {

std::optional<FileFormat> formatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("DBF"))
        return FileFormat::Dbase;
    if (suffix == QLatin1String("DB"))
        return FileFormat::Paradox;
    if (suffix == QLatin1String("TXT"))
        return FileFormat::TextTable;
    if (suffix == QLatin1String("CSV"))
        return FileFormat::Delimited;
    if (suffix == QLatin1String("MDB") || suffix == QLatin1String("ACCDB"))
        return FileFormat::Access;
    return std::nullopt;
}

ForeignData readForeignFile(const QString &path, const OpenOptions &options)
{
    const std::optional<FileFormat> format = options.format ? options.format : formatForPath(path);
    if (!format)
        throw FileError(path, QStringLiteral("Die Datei '%1' kann nicht als Tabelle geöffnet werden: Für die "
                                             "Endung '%2' gibt es keinen Treiber.")
                                  .arg(FileError::displayName(path), QFileInfo(path).suffix()));
    switch (*format) {
    case FileFormat::Dbase:
        return readDbaseFile(path);
    case FileFormat::Paradox:
        return readParadoxFile(path);
    case FileFormat::TextTable:
        return readTextTableFile(path, options.schemaFile);
    case FileFormat::Delimited:
        return readDelimitedTable(readWholeFile(path), path, options.delimited, options.hasHeader);
    case FileFormat::Access:
        if (options.tableName.isEmpty())
            throw FileError(path, QStringLiteral("Für die Access-Datenbank '%1' ist keine Tabelle angegeben.")
                                      .arg(FileError::displayName(path)));
        return readAccessFile(path, options.tableName);
    }
    return {};
}

} // namespace files
