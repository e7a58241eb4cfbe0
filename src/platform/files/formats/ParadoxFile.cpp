#include "ParadoxFile.h"

#include "DbaseFile.h"
#include "FileError.h"
#include "private/FileReading.h"
#include "private/ReplacingFile.h"
#include "private/TextCodec.h"
#include "platform/sys/GermanFormat.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// pxlib declares its functions without C linkage for C++.
extern "C" {
#include <paradox.h>
}

namespace files {

namespace {

using db::FieldType;

// Day 1 of Paradox dates is 1 January of the year 1; pxlib counts serial
// day numbers from 4714 BC.
constexpr long paradoxDayOffset = 1721425;
constexpr double millisecondsPerDay = 86400000.0;

int readShort(const QByteArray &bytes, qsizetype at)
{
    return static_cast<int16_t>(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

unsigned readUnsignedShort(const QByteArray &bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

quint32 readLong(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

quint32 readLong(const char *bytes)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

bool isBlobType(int type)
{
    return type == pxfMemoBLOb || type == pxfBLOb || type == pxfFmtMemoBLOb || type == pxfOLE
        || type == pxfGraphic;
}

// The length a field of this type must have in the record; 0 where the
// description gives it.
int fixedLength(int type)
{
    switch (type) {
    case pxfDate:
    case pxfLong:
    case pxfTime:
    case pxfAutoInc: return 4;
    case pxfShort: return 2;
    case pxfCurrency:
    case pxfNumber:
    case pxfTimestamp: return 8;
    case pxfLogical: return 1;
    case pxfBCD: return 17;
    default: return 0;
    }
}

struct ParadoxLayout
{
    struct Field
    {
        int type;
        int length;
        int decimals;
        int offset;
    };
    QList<Field> fields;
    int recordCount = 0;
    int codePage = 0;
};

// The checks mirror what pxlib reads on opening and on fetching a record, so
// that after them no read of the library leaves the file.
ParadoxLayout checkedLayout(const QByteArray &bytes, const QString &fileName)
{
    auto corrupt = [&](const QString &detail) { return FileError::corrupt(fileName, detail); };
    const qsizetype size = bytes.size();
    if (size < 0x58)
        throw corrupt(QStringLiteral("Der Dateikopf ist unvollständig."));
    const int recordSize = int(readUnsignedShort(bytes, 0x00));
    const int headerSize = int(readUnsignedShort(bytes, 0x02));
    const int fileType = static_cast<unsigned char>(bytes[0x04]);
    const int maxTableSize = static_cast<unsigned char>(bytes[0x05]);
    const qint64 numRecords = static_cast<qint32>(readLong(bytes, 0x06));
    const int fileBlocks = int(readUnsignedShort(bytes, 0x0C));
    const int firstBlock = int(readUnsignedShort(bytes, 0x0E));
    const int numFields = readShort(bytes, 0x21);
    const quint32 encryption1 = readLong(bytes, 0x25);
    const int versionId = static_cast<unsigned char>(bytes[0x39]);

    if (fileType != pxfFileTypIndexDB && fileType != pxfFileTypNonIndexDB)
        throw corrupt(QStringLiteral("Die Datei ist keine Paradox-Tabelle."));
    if (versionId < 3 || versionId > 12)
        throw corrupt(QStringLiteral("Unbekannte Paradox-Version."));
    if (maxTableSize != 1 && maxTableSize != 2 && maxTableSize != 3 && maxTableSize != 4 && maxTableSize != 8
        && maxTableSize != 16 && maxTableSize != 32)
        throw corrupt(QStringLiteral("Ungültige Blockgröße."));
    if (recordSize < 1 || headerSize < 0x58 || headerSize > size || numFields < 1 || numFields > 255
        || numRecords < 0)
        throw corrupt(QStringLiteral("Der Dateikopf ist ungültig."));

    const bool hasDataHeader = versionId >= 5;
    if (hasDataHeader && headerSize < 0x78)
        throw corrupt(QStringLiteral("Der Dateikopf ist unvollständig."));
    quint32 encryption = encryption1;
    if (encryption1 == 0xFF00FF00u) {
        if (!hasDataHeader)
            throw corrupt(QStringLiteral("Der Dateikopf ist ungültig."));
        encryption = readLong(bytes, 0x5C);
    }
    if (encryption != 0)
        throw FileError::cannotRead(fileName, QStringLiteral("Die Tabelle ist mit einem Kennwort geschützt."));

    ParadoxLayout layout;
    layout.codePage = hasDataHeader ? int(readUnsignedShort(bytes, 0x6A)) : 437;
    qsizetype at = hasDataHeader ? 0x78 : 0x58;
    if (at + numFields * 2 + 4 + numFields * 4 + (versionId == 12 ? 261 : 79) > headerSize)
        throw corrupt(QStringLiteral("Die Feldbeschreibungen sind unvollständig."));
    int offset = 0;
    for (int i = 0; i < numFields; ++i, at += 2) {
        ParadoxLayout::Field field;
        field.type = static_cast<unsigned char>(bytes[at]);
        const int described = static_cast<unsigned char>(bytes[at + 1]);
        field.decimals = 0;
        const int fixed = fixedLength(field.type);
        if (field.type == pxfBCD) {
            field.length = 17;
            field.decimals = described;
            if (described > 32)
                throw corrupt(QStringLiteral("Feld %1 hat eine ungültige Zahl von Nachkommastellen.").arg(i + 1));
        } else if (fixed > 0) {
            field.length = fixed;
            if (described != fixed)
                throw corrupt(QStringLiteral("Feld %1 hat eine ungültige Länge.").arg(i + 1));
        } else if (field.type == pxfAlpha || field.type == pxfBytes) {
            field.length = described;
            if (described < 1)
                throw corrupt(QStringLiteral("Feld %1 hat die Länge 0.").arg(i + 1));
        } else if (isBlobType(field.type)) {
            field.length = described;
            if (described <= 10)
                throw corrupt(QStringLiteral("Feld %1 hat eine ungültige Länge.").arg(i + 1));
        } else {
            throw corrupt(QStringLiteral("Feld %1 hat den unbekannten Typ %2.").arg(i + 1).arg(field.type));
        }
        field.offset = offset;
        offset += field.length;
        layout.fields.append(field);
    }
    if (offset != recordSize)
        throw corrupt(QStringLiteral("Die Feldlängen passen nicht zur Satzlänge."));
    // Table name pointer and field name pointers, then the table name, which
    // must end inside its slot, then the field names.
    at += 4 + numFields * 4;
    const int tableNameLength = versionId == 12 ? 261 : 79;
    if (bytes.indexOf('\0', at) < 0 || bytes.indexOf('\0', at) >= at + tableNameLength)
        throw corrupt(QStringLiteral("Der Tabellenname im Dateikopf ist ungültig."));
    at += tableNameLength;
    for (int i = 0; i < numFields; ++i) {
        const qsizetype end = bytes.indexOf('\0', at);
        if (end < 0 || end >= headerSize)
            throw corrupt(QStringLiteral("Die Feldnamen sind unvollständig."));
        at = end + 1;
    }

    // The chain of data blocks, as pxlib follows it to count records.
    const qint64 blockSize = qint64(maxTableSize) * 0x400;
    const qint64 recordsPerBlock = (blockSize - 6) / recordSize;
    qint64 records = 0;
    // pxlib follows the chain to its end, whatever the header says about the
    // number of blocks; every link must therefore lead to a block in the file.
    QList<bool> visited(fileBlocks + 1, false);
    for (int block = firstBlock; block != 0;) {
        const qint64 blockStart = headerSize + (qint64(block) - 1) * blockSize;
        if (block < 0 || block > fileBlocks || blockStart + blockSize > size)
            throw corrupt(QStringLiteral("Die Datei ist unvollständig: Datenblock %1 fehlt.").arg(block));
        if (visited[block])
            throw corrupt(QStringLiteral("Die Datenblöcke bilden einen Ring."));
        visited[block] = true;
        const int addDataSize = readShort(bytes, blockStart + 4);
        const int inBlock = addDataSize / recordSize + 1;
        if (inBlock < 0 || inBlock > recordsPerBlock)
            throw corrupt(QStringLiteral("Datenblock %1 ist beschädigt.").arg(block));
        records += inBlock;
        block = int(readUnsignedShort(bytes, blockStart));
    }
    // pxlib refuses a mismatch too, but frees its block list twice doing so.
    if (records != numRecords)
        throw corrupt(QStringLiteral("Die Datei ist unvollständig: %1 Datensätze angekündigt, %2 vorhanden.")
                          .arg(numRecords)
                          .arg(records));
    layout.recordCount = int(numRecords);
    return layout;
}

struct ErrorSink
{
    QString message;
};

void collectError(pxdoc_t *, int type, const char *message, void *data)
{
    if (type == PX_Warning || !data)
        return;
    auto *sink = static_cast<ErrorSink *>(data);
    if (sink->message.isEmpty())
        sink->message = QString::fromLocal8Bit(message);
}

class PxDocument
{
public:
    explicit PxDocument(ErrorSink &sink) : doc_(PX_new3(collectError, nullptr, nullptr, nullptr, &sink)) {}
    ~PxDocument()
    {
        if (doc_)
            PX_delete(doc_);
        for (FILE *file : files_)
            std::fclose(file);
    }
    PxDocument(const PxDocument &) = delete;
    PxDocument &operator=(const PxDocument &) = delete;
    pxdoc_t *get() const { return doc_; }
    // Files the document reads or writes; closed after the document.
    void own(FILE *file) { files_.append(file); }

private:
    pxdoc_t *doc_;
    QList<FILE *> files_;
};

// Where a blob value lives, checked against the ".MB" bytes the way pxlib
// will read it.
bool blobIsReadable(const char *data, int length, int headerSize, const QByteArray &blobFile)
{
    const int leader = length - 10;
    const qint64 size = readLong(data + leader + 4);
    const qint64 valueSize = headerSize == 17 ? size - 8 : size;
    if (valueSize <= 0 || valueSize <= leader)
        return true;
    const quint32 pointer = readLong(data + leader);
    const qint64 index = pointer & 0xFF;
    const qint64 offset = pointer & 0xFFFFFF00u;
    const qint64 mbSize = blobFile.size();
    if (offset == 0 || offset + 3 > mbSize)
        return false;
    const int blockType = static_cast<unsigned char>(blobFile[offset]);
    if (blockType == 2)
        return index == 0xFF && offset + headerSize + valueSize <= mbSize
            && offset + headerSize <= mbSize && readLong(blobFile, offset + 3) == size;
    if (blockType == 3) {
        const qint64 entry = offset + 12 + index * 5;
        if (offset + 12 > mbSize || entry + 5 > mbSize)
            return false;
        const qint64 start = offset + qint64(static_cast<unsigned char>(blobFile[entry])) * 16;
        const qint64 stored = (qint64(static_cast<unsigned char>(blobFile[entry + 1])) - 1) * 16
            + static_cast<unsigned char>(blobFile[entry + 4]);
        return stored == size && start + size <= mbSize;
    }
    return false;
}

db::FieldDef fieldDefOf(const ParadoxLayout::Field &field, const QString &name)
{
    db::FieldDef def;
    def.name = name;
    switch (field.type) {
    case pxfAlpha: def.type = FieldType::Alpha; def.size = field.length; break;
    case pxfDate: def.type = FieldType::Date; break;
    case pxfShort: def.type = FieldType::Short; break;
    case pxfLong: def.type = FieldType::Long; break;
    case pxfAutoInc: def.type = FieldType::AutoInc; break;
    case pxfCurrency: def.type = FieldType::Money; break;
    case pxfNumber: def.type = FieldType::Number; break;
    case pxfLogical: def.type = FieldType::Logical; break;
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb: def.type = FieldType::Memo; break;
    case pxfGraphic: def.type = FieldType::Graphic; break;
    case pxfTime: def.type = FieldType::Time; break;
    case pxfTimestamp: def.type = FieldType::Timestamp; break;
    case pxfBCD: def.type = FieldType::BCD; def.precision = field.decimals; break;
    default: def.type = FieldType::Blob; break;
    }
    return def;
}

QDate dateOfDays(long days)
{
    int year = 0, month = 0, day = 0;
    PX_SdnToGregorian(days + paradoxDayOffset, &year, &month, &day);
    return QDate(year, month, day);
}

} // namespace

ForeignData readParadox(const QByteArray &bytes, const QString &fileName, const QByteArray &blobFile)
{
    const ParadoxLayout layout = checkedLayout(bytes, fileName);

    ErrorSink errors;
    PxDocument doc(errors);
    if (!doc.get())
        throw FileError::cannotRead(fileName, errors.message);
    // fmemopen reads from our copy; pxlib never writes to a file opened for reading.
    QByteArray table = bytes;
    FILE *tableStream = fmemopen(table.data(), size_t(table.size()), "rb");
    if (!tableStream)
        throw FileError::cannotRead(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    doc.own(tableStream);
    if (PX_open_fp(doc.get(), tableStream) < 0) {
        // A failed open has freed its block list but left the pointer, which
        // PX_delete would free again.
        doc.get()->px_indexdata = nullptr;
        doc.get()->px_indexdatalen = 0;
        throw FileError::corrupt(fileName, errors.message);
    }

    QByteArray blobs = blobFile;
    bool haveBlobs = false;
    if (!blobs.isEmpty()) {
        FILE *blobStream = fmemopen(blobs.data(), size_t(blobs.size()), "rb");
        if (blobStream) {
            doc.own(blobStream);
            pxblob_t *blob = PX_new_blob(doc.get());
            haveBlobs = blob && PX_open_blob_fp(blob, blobStream) == 0;
        }
    }

    const TextCodec codec(layout.codePage == 0 ? QByteArray("CP437") : TextCodec::codePageForNumber(layout.codePage));
    ForeignData data;
    pxfield_t *pxFields = PX_get_fields(doc.get());
    for (qsizetype i = 0; i < layout.fields.size(); ++i) {
        const char *name = pxFields[i].px_fname ? pxFields[i].px_fname : "";
        data.definition.fields.append(fieldDefOf(layout.fields[i], codec.decode(name)));
    }

    const int recordSize = PX_get_recordsize(doc.get());
    QByteArray record(recordSize, '\0');
    data.rows.reserve(layout.recordCount);
    for (int recno = 0; recno < layout.recordCount; ++recno) {
        int deleted = 0;
        pxdatablockinfo_t blockInfo;
        if (!PX_get_record2(doc.get(), recno, record.data(), &deleted, &blockInfo))
            throw FileError::corrupt(fileName, QStringLiteral("Datensatz %1 fehlt.").arg(recno + 1));
        if (deleted)
            continue;
        QVariantList row;
        row.reserve(layout.fields.size());
        for (const ParadoxLayout::Field &field : layout.fields) {
            char *value = record.data() + field.offset;
            QVariant cell;
            switch (field.type) {
            case pxfAlpha: {
                const int length = int(qstrnlen(value, size_t(field.length)));
                if (length > 0)
                    cell = codec.decode(QByteArrayView(value, length));
                break;
            }
            case pxfBytes:
                if (std::any_of(value, value + field.length, [](char c) { return c != 0; }))
                    cell = QByteArray(value, field.length);
                break;
            case pxfShort: {
                short v = 0;
                if (PX_get_data_short(doc.get(), value, 2, &v) > 0)
                    cell = int(v);
                break;
            }
            case pxfLong:
            case pxfAutoInc: {
                long v = 0;
                if (PX_get_data_long(doc.get(), value, 4, &v) > 0)
                    cell = int(v);
                break;
            }
            case pxfLogical: {
                char v = 0;
                if (PX_get_data_byte(doc.get(), value, 1, &v) > 0)
                    cell = v != 0;
                break;
            }
            case pxfNumber:
            case pxfCurrency: {
                double v = 0;
                if (PX_get_data_double(doc.get(), value, 8, &v) > 0)
                    cell = v;
                break;
            }
            case pxfDate: {
                long v = 0;
                if (PX_get_data_long(doc.get(), value, 4, &v) > 0) {
                    const QDate date = dateOfDays(v);
                    if (date.isValid())
                        cell = date;
                }
                break;
            }
            case pxfTime: {
                long v = 0;
                if (PX_get_data_long(doc.get(), value, 4, &v) > 0 && v >= 0 && v < 86400000)
                    cell = QTime::fromMSecsSinceStartOfDay(int(v));
                break;
            }
            case pxfTimestamp: {
                double v = 0;
                if (PX_get_data_double(doc.get(), value, 8, &v) > 0 && std::isfinite(v) && v >= 0
                    && v < 1.0e16) {
                    const long days = long(v / millisecondsPerDay);
                    const QDate date = dateOfDays(days);
                    if (date.isValid())
                        cell = QDateTime(date, QTime::fromMSecsSinceStartOfDay(
                                                   int(std::fmod(v, millisecondsPerDay))));
                }
                break;
            }
            case pxfBCD: {
                char *text = nullptr;
                if (PX_get_data_bcd(doc.get(), reinterpret_cast<unsigned char *>(value), field.decimals, &text) > 0
                    && text) {
                    if (const auto number = sys::german::parseForeignNumber(QString::fromLatin1(text)))
                        cell = *number;
                    doc.get()->free(doc.get(), text);
                }
                break;
            }
            default: {
                // Memo, formatted memo, binary, OLE and graphic values.
                const int headerSize = field.type == pxfGraphic ? 17 : 9;
                if (!blobIsReadable(value, field.length, headerSize, haveBlobs ? blobs : QByteArray())) {
                    throw FileError::cannotRead(
                        fileName, QStringLiteral("Der Inhalt des Feldes '%1' in Datensatz %2 fehlt in der MB-Datei.")
                                      .arg(data.definition.fields[row.size()].name)
                                      .arg(recno + 1));
                }
                char *blob = nullptr;
                int modification = 0, size = 0;
                const int found = field.type == pxfGraphic
                    ? PX_get_data_graphic(doc.get(), value, field.length, &modification, &size, &blob)
                    : PX_get_data_blob(doc.get(), value, field.length, &modification, &size, &blob);
                if (found > 0 && blob && size > 0) {
                    const QByteArray content(blob, size);
                    if (field.type == pxfMemoBLOb || field.type == pxfFmtMemoBLOb)
                        cell = codec.decode(QByteArrayView(content.constData(), qstrnlen(content.constData(), size_t(size))));
                    else
                        cell = content;
                }
                if (blob)
                    doc.get()->free(doc.get(), blob);
                break;
            }
            }
            row.append(cell);
        }
        data.rows.push_back(std::move(row));
    }
    return data;
}

ForeignData readParadoxFile(const QString &path)
{
    const QString blobFile = siblingWithExtension(path, QStringLiteral("MB"));
    return readParadox(readWholeFile(path), path, blobFile.isEmpty() ? QByteArray() : readWholeFile(blobFile));
}

void writeParadoxFile(const ForeignData &data, const QString &path)
{
    const TextCodec codec("CP1252");
    const QList<db::FieldDef> &fields = data.definition.fields;
    QStringList names;
    for (const db::FieldDef &field : fields)
        names.append(field.name);
    names = shortenedFieldNames(names, 25);

    struct Column
    {
        int type;
        int length;
        std::vector<QByteArray> texts;   // alpha fields: the encoded values
    };
    std::vector<Column> columns(fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const db::FieldDef &field = fields[i];
        Column &column = columns[i];
        switch (field.type) {
        case FieldType::Alpha:
        case FieldType::Memo:
            column.type = pxfAlpha;
            column.length = field.type == FieldType::Alpha ? std::clamp(field.size, 1, 255) : 1;
            column.texts.resize(data.rows.size());
            for (size_t r = 0; r < data.rows.size(); ++r) {
                const QVariant &value = data.rows[r].value(i);
                if (!value.isValid() || value.isNull())
                    continue;
                QChar bad;
                if (!codec.encode(value.toString(), column.texts[r], &bad))
                    throw FileError::unencodable(path, bad, QStringLiteral("Satz %1, Feld '%2'").arg(r + 1).arg(field.name));
                column.length = std::max(column.length, int(column.texts[r].size()));
            }
            if (column.length > 255)
                throw FileError::cannotWrite(
                    path, QStringLiteral("Ein Wert des Feldes '%1' ist länger als die 255 Zeichen eines Paradox-Feldes.")
                              .arg(field.name));
            break;
        case FieldType::Short: column.type = pxfShort; column.length = 2; break;
        case FieldType::Long:
        case FieldType::AutoInc: column.type = pxfLong; column.length = 4; break;
        case FieldType::Number:
        case FieldType::BCD: column.type = pxfNumber; column.length = 8; break;
        case FieldType::Money: column.type = pxfCurrency; column.length = 8; break;
        case FieldType::Logical: column.type = pxfLogical; column.length = 1; break;
        case FieldType::Date: column.type = pxfDate; column.length = 4; break;
        case FieldType::Time: column.type = pxfTime; column.length = 4; break;
        case FieldType::Timestamp: column.type = pxfTimestamp; column.length = 8; break;
        case FieldType::Graphic:
        case FieldType::Blob:
            throw FileError::cannotWrite(
                path, QStringLiteral("Das Feld '%1' enthält Binärdaten, die hier nicht übernommen werden können.")
                          .arg(field.name));
        }
    }

    ReplacingFile target(path);
    ErrorSink errors;
    {
        PxDocument doc(errors);
        if (!doc.get())
            throw FileError::cannotWrite(path, errors.message);
        FILE *out = std::fopen(QFile::encodeName(target.temporaryPath()).constData(), "w+b");
        if (!out)
            throw FileError::cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
        doc.own(out);
        // pxlib frees the field descriptions with the document.
        auto *pxFields = static_cast<pxfield_t *>(std::calloc(size_t(fields.size()), sizeof(pxfield_t)));
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QByteArray name;
            QChar bad;
            if (!codec.encode(names[i], name, &bad))
                throw FileError::unencodable(path, bad, QStringLiteral("Feldname '%1'").arg(names[i]));
            pxFields[i].px_fname = strdup(name.constData());
            pxFields[i].px_ftype = char(columns[i].type);
            pxFields[i].px_flen = columns[i].length;
            pxFields[i].px_fdc = 0;
        }
        if (PX_create_fp(doc.get(), pxFields, int(fields.size()), out, pxfFileTypNonIndexDB) < 0)
            throw FileError::cannotWrite(path, errors.message);
        PX_set_tablename(doc.get(), QFile::encodeName(QFileInfo(path).fileName()).constData());

        QByteArray record(PX_get_recordsize(doc.get()), '\0');
        for (size_t r = 0; r < data.rows.size(); ++r) {
            record.fill('\0');
            char *at = record.data();
            for (qsizetype i = 0; i < fields.size(); ++i) {
                const Column &column = columns[i];
                const QVariant &value = data.rows[r].value(i);
                if (value.isValid() && !value.isNull()) {
                    switch (column.type) {
                    case pxfAlpha:
                        std::memcpy(at, column.texts[r].constData(), size_t(column.texts[r].size()));
                        break;
                    case pxfShort: PX_put_data_short(doc.get(), at, 2, short(value.toInt())); break;
                    case pxfLong: PX_put_data_long(doc.get(), at, 4, value.toInt()); break;
                    case pxfNumber:
                    case pxfCurrency: PX_put_data_double(doc.get(), at, 8, value.toDouble()); break;
                    case pxfLogical: PX_put_data_byte(doc.get(), at, 1, value.toBool() ? 1 : 0); break;
                    case pxfDate: {
                        const QDate date = value.toDate();
                        PX_put_data_long(doc.get(), at, 4,
                                         int(PX_GregorianToSdn(date.year(), date.month(), date.day()) - paradoxDayOffset));
                        break;
                    }
                    case pxfTime: PX_put_data_long(doc.get(), at, 4, value.toTime().msecsSinceStartOfDay()); break;
                    case pxfTimestamp: {
                        const QDateTime timestamp = value.toDateTime();
                        const QDate date = timestamp.date();
                        const double days = double(PX_GregorianToSdn(date.year(), date.month(), date.day()) - paradoxDayOffset);
                        PX_put_data_double(doc.get(), at, 8,
                                           days * millisecondsPerDay + timestamp.time().msecsSinceStartOfDay());
                        break;
                    }
                    }
                }
                at += column.length;
            }
            if (PX_put_record(doc.get(), record.data()) < 0)
                throw FileError::cannotWrite(path, errors.message);
        }
        PX_close(doc.get());
        if (std::fflush(out) != 0)
            throw FileError::cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    target.commit();
}

} // namespace files
