#pragma once

#include "DelimitedText.h"
#include "ForeignData.h"

#include <QString>
#include <optional>

namespace files {

enum class FileFormat {
    Dbase,       // ".DBF"
    Paradox,     // ".DB"
    TextTable,   // ".TXT" with its schema file ".SCH"; written fixed-width
    Delimited,   // ".CSV"
    Access,      // ".MDB", ".ACCDB"
};

struct OpenOptions
{
    // The reader by the file's extension when not set; a text table can be
    // named anything ("pos.DBF" read as a text table).
    std::optional<FileFormat> format;
    // Access: the table to read.
    QString tableName;
    // Delimited files: separator, quote character, code page.
    DelimitedFormat delimited;
    // Delimited files: the first line names the fields.
    bool hasHeader = true;
    // Text tables: a schema file other than the one beside the data file.
    QString schemaFile;
};

// The format the extension stands for; none for an unknown extension.
std::optional<FileFormat> formatForPath(const QString &path);

// Reads the file with the reader of its format (throws FileError).
ForeignData readForeignFile(const QString &path, const OpenOptions &options = {});

} // namespace files
