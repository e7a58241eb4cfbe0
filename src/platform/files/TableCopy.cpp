#include "TableCopy.h"

#include "formats/DbaseFile.h"
#include "formats/ParadoxFile.h"
#include "formats/TextTable.h"
#include "formats/XlsxFile.h"

#include "platform/db/Table.h"

namespace files {

ForeignData tableData(db::Table &source)
{
    ForeignData data;
    data.definition = source.definition();
    const qsizetype fieldCount = data.definition.fields.size();
    QList<db::Field *> fields;
    for (const db::FieldDef &def : data.definition.fields)
        fields.append(&source.fieldByName(def.name));
    for (source.first(); !source.eof(); source.next()) {
        QVariantList row;
        row.reserve(fieldCount);
        for (db::Field *field : fields)
            row.append(field->isNull() ? QVariant() : field->value());
        data.rows.push_back(std::move(row));
    }
    source.first();
    return data;
}

void writeForeignFile(const ForeignData &data, const QString &path, FileFormat format)
{
    switch (format) {
    case FileFormat::Dbase:
        writeDbaseFile(data, path);
        return;
    case FileFormat::Paradox:
        writeParadoxFile(data, path);
        return;
    case FileFormat::TextTable:
        writeTextTableFile(data, path);
        return;
    case FileFormat::Delimited:
    case FileFormat::Access:
        break;
    }
    throw FileError::cannotWrite(path, QStringLiteral("Dieses Format kann nur gelesen werden."));
}

void copyTableToFile(db::Table &source, const QString &path, FileFormat format)
{
    writeForeignFile(tableData(source), path, format);
}

void copyTableToXlsx(db::Table &source, const QString &path)
{
    const ForeignData data = tableData(source);
    XlsxWriter writer(path);
    QStringList titles;
    for (const db::FieldDef &field : data.definition.fields)
        titles.append(field.name);
    writer.writeHeader(titles);
    for (const QVariantList &row : data.rows)
        writer.writeRow(row);
    writer.commit();
}

} // namespace files
