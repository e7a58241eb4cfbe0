#pragma once

#include "ForeignData.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace files {

// The old engine's text table: a data file (".TXT") and beside it a schema
// file of the same name with the extension ".SCH", INI-like:
//   [Aenderung]
//   FILETYPE=FIXED              (or VARYING: separated values)
//   CHARSET=ANSIINTL            (ascii/intl: DOS code page 437)
//   DELIMITER="                 (VARYING: quote character of text values)
//   SEPARATOR=,                 (VARYING: field separator)
//   Field1=LfdNr,LONGINT,11,00,00      name, type, width, decimals, offset
struct TextSchema
{
    enum class Layout { Fixed, Varying };
    struct Column
    {
        QString name;
        QString type;       // CHAR, NUMBER (16 bit), LONGINT, FLOAT, BOOL, DATE, TIME, TIMESTAMP
        int width = 0;
        int decimals = 0;
        int offset = 0;     // fixed layout: first character of the field, from 0
    };

    QString tableName;
    Layout layout = Layout::Fixed;
    QString charset = QStringLiteral("ANSIINTL");
    QChar delimiter = u'"';
    QChar separator = u',';
    QList<Column> columns;

    // Throws FileError naming schemaFileName when the schema is unusable.
    static TextSchema parse(const QByteArray &bytes, const QString &schemaFileName);
    QByteArray toBytes() const;
    QByteArray codePage() const;
    db::TableDef tableDef() const;
};

// Throws FileError naming fileName for a value that does not fit its field.
ForeignData readTextTable(const QByteArray &bytes, const TextSchema &schema, const QString &fileName);

// The fixed layout for data: each column as wide as its field and its longest
// value. Throws FileError for a field no text table can carry.
TextSchema fixedSchemaFor(const ForeignData &data, const QString &tableName, const QString &fileName);
QByteArray writeFixedText(const ForeignData &data, const TextSchema &schema, const QString &fileName);

// The files themselves: path names the data file; its schema is found (or
// written) beside it.
ForeignData readTextTableFile(const QString &path, const QString &schemaPath = {});
void writeTextTableFile(const ForeignData &data, const QString &path);
QString schemaPathFor(const QString &path);

} // namespace files
