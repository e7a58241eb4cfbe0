#include "TextTable.h"

#include "DelimitedText.h"
#include "FileError.h"
#include "private/FileReading.h"
#include "private/ReplacingFile.h"
#include "private/TextCodec.h"
#include "ValueText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace files {

namespace {

using db::FieldType;

// Keeps a corrupt schema from asking for gigabytes per line.
constexpr int maximumWidth = 65535;
constexpr int maximumOffset = 1 << 20;

struct TypeName
{
    const char *name;
    FieldType type;
};

// The first name of a type is the one written.
constexpr TypeName typeNames[] = {
    {"CHAR", FieldType::Alpha},       {"NUMBER", FieldType::Short},    {"SHORTINT", FieldType::Short},
    {"LONGINT", FieldType::Long},     {"INTEGER", FieldType::Long},    {"AUTOINC", FieldType::AutoInc},
    {"FLOAT", FieldType::Number},     {"DOUBLE", FieldType::Number},   {"CURRENCY", FieldType::Money},
    {"MONEY", FieldType::Money},      {"BCD", FieldType::BCD},         {"BOOL", FieldType::Logical},
    {"LOGICAL", FieldType::Logical},  {"BOOLEAN", FieldType::Logical}, {"DATE", FieldType::Date},
    {"TIME", FieldType::Time},        {"TIMESTAMP", FieldType::Timestamp},
    {"DATETIME", FieldType::Timestamp},
};

std::optional<FieldType> fieldTypeOf(const QString &typeName)
{
    const QString upper = typeName.trimmed().toUpper();
    for (const TypeName &entry : typeNames) {
        if (upper == QLatin1String(entry.name))
            return entry.type;
    }
    return std::nullopt;
}

QString schemaTypeOf(FieldType type)
{
    switch (type) {
    case FieldType::Alpha:
    case FieldType::Memo: return QStringLiteral("CHAR");
    case FieldType::Short: return QStringLiteral("NUMBER");
    case FieldType::Long:
    case FieldType::AutoInc: return QStringLiteral("LONGINT");
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD: return QStringLiteral("FLOAT");
    case FieldType::Logical: return QStringLiteral("BOOL");
    case FieldType::Date: return QStringLiteral("DATE");
    case FieldType::Time: return QStringLiteral("TIME");
    case FieldType::Timestamp: return QStringLiteral("TIMESTAMP");
    case FieldType::Graphic:
    case FieldType::Blob: break;
    }
    return QString();
}

QStringList linesOf(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isNumericType(FieldType type)
{
    return type != FieldType::Alpha && type != FieldType::Memo;
}

} // namespace

TextSchema TextSchema::parse(const QByteArray &bytes, const QString &schemaFileName)
{
    QByteArray content = bytes;
    const bool utf8 = TextCodec::stripUtf8Bom(content);
    const QStringList lines = linesOf(TextCodec(utf8 ? "UTF-8" : "CP1252").decode(content));

    TextSchema schema;
    std::map<int, Column> numbered;
    bool inFirstSection = false;
    bool sawSection = false;
    auto fail = [&](int line, const QString &what) {
        return FileError::corrupt(schemaFileName, QStringLiteral("Zeile %1: %2").arg(line).arg(what));
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int lineNumber = int(i + 1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            // Only the first section describes the table.
            if (sawSection)
                break;
            sawSection = inFirstSection = true;
            if (!line.endsWith(u']'))
                throw fail(lineNumber, QStringLiteral("Abschnittsname ohne ']'."));
            schema.tableName = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            throw fail(lineNumber, QStringLiteral("Eintrag ohne '='."));
        if (!inFirstSection)
            throw fail(lineNumber, QStringLiteral("Eintrag vor dem ersten Abschnitt."));
        const QString key = line.left(equals).trimmed().toUpper();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("FILETYPE")) {
            if (value.compare(QLatin1String("FIXED"), Qt::CaseInsensitive) == 0)
                schema.layout = Layout::Fixed;
            else if (value.compare(QLatin1String("VARYING"), Qt::CaseInsensitive) == 0)
                schema.layout = Layout::Varying;
            else
                throw fail(lineNumber, QStringLiteral("Unbekannter Dateityp '%1'.").arg(value));
        } else if (key == QLatin1String("CHARSET")) {
            schema.charset = value;
        } else if (key == QLatin1String("DELIMITER")) {
            if (!value.isEmpty())
                schema.delimiter = value[0];
        } else if (key == QLatin1String("SEPARATOR")) {
            if (!value.isEmpty())
                schema.separator = value[0];
        } else if (key.startsWith(QLatin1String("FIELD"))) {
            bool ok = false;
            const int number = key.mid(5).toInt(&ok);
            if (!ok || number < 1)
                throw fail(lineNumber, QStringLiteral("Ungültiger Feldeintrag '%1'.").arg(key));
            const QStringList parts = value.split(u',');
            if (parts.size() < 3)
                throw fail(lineNumber, QStringLiteral("Feldeintrag braucht Name, Typ und Breite."));
            Column column;
            column.name = parts[0].trimmed();
            column.type = parts[1].trimmed().toUpper();
            bool widthOk = false, decimalsOk = true, offsetOk = true;
            column.width = parts[2].trimmed().toInt(&widthOk);
            column.decimals = parts.size() > 3 ? parts[3].trimmed().toInt(&decimalsOk) : 0;
            column.offset = parts.size() > 4 ? parts[4].trimmed().toInt(&offsetOk) : -1;
            if (column.name.isEmpty())
                throw fail(lineNumber, QStringLiteral("Feld ohne Namen."));
            if (!fieldTypeOf(column.type))
                throw fail(lineNumber, QStringLiteral("Unbekannter Feldtyp '%1'.").arg(column.type));
            if (!widthOk || column.width < 1 || column.width > maximumWidth)
                throw fail(lineNumber, QStringLiteral("Ungültige Feldbreite."));
            if (!decimalsOk || column.decimals < 0 || column.decimals > 32)
                throw fail(lineNumber, QStringLiteral("Ungültige Zahl der Nachkommastellen."));
            if (!offsetOk || column.offset < -1 || column.offset > maximumOffset)
                throw fail(lineNumber, QStringLiteral("Ungültige Feldposition."));
            if (numbered.count(number))
                throw fail(lineNumber, QStringLiteral("Feld %1 ist doppelt beschrieben.").arg(number));
            numbered[number] = column;
        }
        // Other keys of the engine (date and number formats) keep their defaults.
    }
    if (numbered.empty())
        throw FileError::corrupt(schemaFileName, QStringLiteral("Die Beschreibung enthält keine Felder."));
    int nextOffset = 0;
    for (auto &[number, column] : numbered) {
        if (column.offset < 0)
            column.offset = nextOffset;
        nextOffset = column.offset + column.width;
        schema.columns.append(column);
    }
    return schema;
}

QByteArray TextSchema::toBytes() const
{
    QString text;
    text += u'[' + tableName + QStringLiteral("]\r\n");
    text += QStringLiteral("FILETYPE=%1\r\n").arg(layout == Layout::Fixed ? QStringLiteral("FIXED")
                                                                          : QStringLiteral("VARYING"));
    text += QStringLiteral("CHARSET=%1\r\n").arg(charset);
    if (layout == Layout::Varying) {
        text += QStringLiteral("DELIMITER=%1\r\n").arg(delimiter);
        text += QStringLiteral("SEPARATOR=%1\r\n").arg(separator);
    }
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const Column &c = columns[i];
        text += QStringLiteral("Field%1=%2,%3,%4,%5,%6\r\n")
                    .arg(i + 1)
                    .arg(c.name, c.type)
                    .arg(c.width)
                    .arg(c.decimals, 2, 10, QLatin1Char('0'))
                    .arg(c.offset, 2, 10, QLatin1Char('0'));
    }
    QByteArray bytes;
    TextCodec(codePage()).encode(text, bytes);
    return bytes;
}

QByteArray TextSchema::codePage() const
{
    const QString upper = charset.toUpper();
    if (upper.contains(QLatin1String("UTF")))
        return "UTF-8";
    if (upper.contains(QLatin1String("850")))
        return "CP850";
    if (upper.contains(QLatin1String("ANSI")) || upper.contains(QLatin1String("WIN"))
        || upper.contains(QLatin1String("1252")))
        return "CP1252";
    if (upper.startsWith(QLatin1String("ASCII")) || upper.startsWith(QLatin1String("INTL"))
        || upper.contains(QLatin1String("437")))
        return "CP437";
    return "CP1252";
}

db::TableDef TextSchema::tableDef() const
{
    db::TableDef def;
    def.name = tableName;
    for (const Column &column : columns) {
        db::FieldDef field;
        field.name = column.name;
        field.type = *fieldTypeOf(column.type);
        if (field.type == FieldType::Alpha)
            field.size = column.width;
        if (field.type == FieldType::BCD)
            field.precision = column.decimals;
        def.fields.append(field);
    }
    return def;
}

ForeignData readTextTable(const QByteArray &bytes, const TextSchema &schema, const QString &fileName)
{
    QByteArray content = bytes;
    const bool utf8 = TextCodec::stripUtf8Bom(content);
    while (content.endsWith('\x1A'))
        content.chop(1);
    const QStringList lines = linesOf(TextCodec(utf8 ? QByteArray("UTF-8") : schema.codePage()).decode(content));

    ForeignData data;
    data.definition = schema.tableDef();
    const QList<db::FieldDef> &fields = data.definition.fields;
    for (qsizetype lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        const QString &line = lines[lineIndex];
        if (line.isEmpty())
            continue;
        QStringList texts;
        if (schema.layout == TextSchema::Layout::Fixed) {
            for (const TextSchema::Column &column : schema.columns)
                texts.append(line.mid(column.offset, column.width));
        } else {
            checkQuotesClosed(line, schema.delimiter, fileName, int(lineIndex + 1));
            texts = splitDelimitedRecord(line, schema.delimiter, schema.separator);
        }
        QVariantList row;
        row.reserve(fields.size());
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QString text = i < texts.size() ? texts[i] : QString();
            if (isNumericType(fields[i].type))
                text = text.trimmed();
            else {
                // Fixed columns are padded with blanks; leading blanks are data.
                qsizetype end = text.size();
                while (end > 0 && text[end - 1] == u' ')
                    --end;
                text.truncate(end);
            }
            const auto value = valuetext::parse(text, fields[i].type);
            if (!value)
                throw FileError::corrupt(fileName, QStringLiteral("Zeile %1, Feld '%2': '%3' ist kein gültiger Wert.")
                                                       .arg(lineIndex + 1)
                                                       .arg(fields[i].name, text));
            row.append(*value);
        }
        data.rows.push_back(std::move(row));
    }
    return data;
}

TextSchema fixedSchemaFor(const ForeignData &data, const QString &tableName, const QString &fileName)
{
    TextSchema schema;
    schema.tableName = tableName;
    schema.layout = TextSchema::Layout::Fixed;
    schema.charset = QStringLiteral("ANSIINTL");
    int offset = 0;
    const QList<db::FieldDef> &fields = data.definition.fields;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const db::FieldDef &field = fields[i];
        TextSchema::Column column;
        column.name = field.name;
        column.type = schemaTypeOf(field.type);
        if (column.type.isEmpty())
            throw FileError::cannotWrite(
                fileName, QStringLiteral("Das Feld '%1' enthält Binärdaten, die eine Textdatei nicht aufnehmen kann.")
                              .arg(field.name));
        if (field.name.contains(u','))
            throw FileError::cannotWrite(
                fileName, QStringLiteral("Der Feldname '%1' enthält ein Komma.").arg(field.name));
        int width = 1;
        switch (field.type) {
        case FieldType::Alpha: width = std::max(1, field.size); break;
        case FieldType::Short: width = 6; break;
        case FieldType::Long:
        case FieldType::AutoInc: width = 11; break;
        case FieldType::Number:
        case FieldType::Money:
        case FieldType::BCD: width = 20; break;
        case FieldType::Date: width = 10; break;
        case FieldType::Time: width = 8; break;
        case FieldType::Timestamp: width = 19; break;
        default: break;
        }
        int decimals = field.type == FieldType::Money ? 2 : field.type == FieldType::BCD ? field.precision : 0;
        for (const QVariantList &row : data.rows) {
            const QVariant &value = row.value(i);
            width = std::max(width, int(valuetext::format(value, field.type).size()));
            if (field.type == FieldType::Number && value.isValid() && !value.isNull())
                decimals = std::max(decimals, valuetext::decimalsOf(value.toDouble()));
        }
        column.width = width;
        column.decimals = decimals;
        column.offset = offset;
        offset += width;
        schema.columns.append(column);
    }
    return schema;
}

QByteArray writeFixedText(const ForeignData &data, const TextSchema &schema, const QString &fileName)
{
    const TextCodec codec(schema.codePage());
    const QList<db::FieldDef> &fields = data.definition.fields;
    QByteArray bytes;
    int recordNumber = 0;
    for (const QVariantList &row : data.rows) {
        ++recordNumber;
        QString line;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const TextSchema::Column &column = schema.columns[i];
            const QString text = valuetext::format(row.value(i), fields[i].type);
            if (text.contains(u'\n') || text.contains(u'\r'))
                throw FileError::cannotWrite(
                    fileName, QStringLiteral("Satz %1, Feld '%2' enthält einen Zeilenumbruch, den eine Zeile der "
                                             "Textdatei nicht aufnehmen kann.")
                                  .arg(recordNumber)
                                  .arg(fields[i].name));
            if (line.size() < column.offset)
                line += QString(column.offset - line.size(), u' ');
            line += isNumericType(fields[i].type) ? text.rightJustified(column.width)
                                                  : text.leftJustified(column.width);
        }
        line += QStringLiteral("\r\n");
        QByteArray encoded;
        QChar bad;
        if (!codec.encode(line, encoded, &bad))
            throw FileError::unencodable(fileName, bad, QStringLiteral("Satz %1").arg(recordNumber));
        bytes += encoded;
    }
    return bytes;
}

QString schemaPathFor(const QString &path)
{
    const QString existing = siblingWithExtension(path, QStringLiteral("SCH"));
    if (!existing.isEmpty())
        return existing;
    const QFileInfo info(path);
    const bool lowerCase = !info.suffix().isEmpty() && info.suffix() == info.suffix().toLower();
    return info.dir().filePath(info.completeBaseName() + (lowerCase ? QStringLiteral(".sch") : QStringLiteral(".SCH")));
}

ForeignData readTextTableFile(const QString &path, const QString &schemaPath)
{
    QString schemaFile = schemaPath;
    if (schemaFile.isEmpty()) {
        schemaFile = siblingWithExtension(path, QStringLiteral("SCH"));
        if (schemaFile.isEmpty())
            throw FileError(path, QStringLiteral("Zur Textdatei '%1' fehlt die Beschreibungsdatei '%2'.")
                                      .arg(FileError::displayName(path),
                                           QFileInfo(path).completeBaseName() + QStringLiteral(".SCH")));
    }
    const TextSchema schema = TextSchema::parse(readWholeFile(schemaFile), schemaFile);
    return readTextTable(readWholeFile(path), schema, path);
}

void writeTextTableFile(const ForeignData &data, const QString &path)
{
    const QFileInfo info(path);
    const TextSchema schema = fixedSchemaFor(data, info.completeBaseName(), path);
    const QByteArray text = writeFixedText(data, schema, path);
    const QString schemaFile = schemaPathFor(path);
    const QByteArray schemaBytes = schema.toBytes();
    // Both files are complete before either replaces its old version.
    ReplacingFile textFile(path);
    ReplacingFile schemaFileWriter(schemaFile);
    for (auto [file, content] : {std::pair{&textFile, &text}, std::pair{&schemaFileWriter, &schemaBytes}}) {
        QFile out(file->temporaryPath());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(*content) != content->size()
            || !out.flush())
            throw FileError::cannotWrite(file->targetPath(), out.errorString());
    }
    schemaFileWriter.commit();
    textFile.commit();
}

} // namespace files
