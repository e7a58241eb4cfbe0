#include "DbaseFile.h"

#include "FileError.h"
#include "private/FileReading.h"
#include "private/ReplacingFile.h"
#include "private/TextCodec.h"
#include "ValueText.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <shapefil.h>

namespace files {

namespace {

using db::FieldType;

// shapelib opens files through hooks without a context pointer, so the
// in-memory files of the current call are found through this thread's
// volume.
struct MemoryVolume
{
    QByteArray dbf;
    QByteArray cpg;
    bool hasCpg = false;
    QByteArray lastError;
};

thread_local MemoryVolume *currentVolume = nullptr;

struct MemoryStream
{
    QByteArray *bytes;
    qint64 position = 0;
};

MemoryStream *streamOf(SAFile file)
{
    return reinterpret_cast<MemoryStream *>(file);
}

SAFile memoryOpen(const char *fileName, const char *)
{
    if (!currentVolume)
        return nullptr;
    const QByteArray name = QByteArray(fileName).toLower();
    if (name.endsWith(".dbf"))
        return reinterpret_cast<SAFile>(new MemoryStream{&currentVolume->dbf});
    if (name.endsWith(".cpg") && currentVolume->hasCpg)
        return reinterpret_cast<SAFile>(new MemoryStream{&currentVolume->cpg});
    return nullptr;
}

SAOffset memoryRead(void *buffer, SAOffset size, SAOffset count, SAFile file)
{
    MemoryStream *stream = streamOf(file);
    if (size == 0)
        return 0;
    const qint64 available = std::max<qint64>(0, stream->bytes->size() - stream->position);
    const SAOffset whole = std::min<SAOffset>(count, SAOffset(available) / size);
    std::memcpy(buffer, stream->bytes->constData() + stream->position, whole * size);
    stream->position += qint64(whole * size);
    return whole;
}

SAOffset memoryWrite(void *buffer, SAOffset size, SAOffset count, SAFile file)
{
    MemoryStream *stream = streamOf(file);
    const qint64 end = stream->position + qint64(size * count);
    if (end > stream->bytes->size())
        stream->bytes->resize(end, '\0');
    std::memcpy(stream->bytes->data() + stream->position, buffer, size * count);
    stream->position = end;
    return count;
}

SAOffset memorySeek(SAFile file, SAOffset offset, int whence)
{
    MemoryStream *stream = streamOf(file);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = stream->position;
    else if (whence == SEEK_END)
        base = stream->bytes->size();
    const qint64 target = base + qint64(offset);
    if (target < 0)
        return SAOffset(-1);
    stream->position = target;
    return 0;
}

SAOffset memoryTell(SAFile file)
{
    return SAOffset(streamOf(file)->position);
}

int memoryFlush(SAFile)
{
    return 0;
}

int memoryClose(SAFile file)
{
    delete streamOf(file);
    return 0;
}

int memoryRemove(const char *)
{
    return 0;
}

void memoryError(const char *message)
{
    if (currentVolume)
        currentVolume->lastError = message;
}

double memoryAtof(const char *text)
{
    return QLocale::c().toDouble(QByteArray(text).trimmed());
}

SAHooks memoryHooks()
{
    SAHooks hooks{};
    hooks.FOpen = memoryOpen;
    hooks.FRead = memoryRead;
    hooks.FWrite = memoryWrite;
    hooks.FSeek = memorySeek;
    hooks.FTell = memoryTell;
    hooks.FFlush = memoryFlush;
    hooks.FClose = memoryClose;
    hooks.Remove = memoryRemove;
    hooks.Error = memoryError;
    hooks.Atof = memoryAtof;
    return hooks;
}

class VolumeScope
{
public:
    explicit VolumeScope(MemoryVolume &volume) : previous_(currentVolume) { currentVolume = &volume; }
    ~VolumeScope() { currentVolume = previous_; }

private:
    MemoryVolume *previous_;
};

struct DbfHandle
{
    DBFHandle handle = nullptr;
    ~DbfHandle()
    {
        if (handle)
            DBFClose(handle);
    }
};

struct FieldLayout
{
    QByteArray name;
    char type;
    int width;
    int decimals;
    int offset;
};

unsigned readLittleEndian(const QByteArray &bytes, int at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The header as the bytes say it, checked so that every field and record
// lies inside the file.
QList<FieldLayout> checkedLayout(const QByteArray &bytes, const QString &fileName, int &recordCount,
                                 int &headerLength, int &recordLength)
{
    auto corrupt = [&](const QString &detail) { return FileError::corrupt(fileName, detail); };
    if (bytes.size() < 32)
        throw corrupt(QStringLiteral("Der Dateikopf ist unvollständig."));
    const auto version = static_cast<unsigned char>(bytes[0]);
    const unsigned level = version & 0x07;
    if (level < 2 || level > 5)
        throw corrupt(QStringLiteral("Die Datei ist keine dBase-Datei."));
    const unsigned records = readLittleEndian(bytes, 4, 4);
    headerLength = int(readLittleEndian(bytes, 8, 2));
    recordLength = int(readLittleEndian(bytes, 10, 2));
    if (headerLength < 33 || headerLength > bytes.size() || recordLength < 1)
        throw corrupt(QStringLiteral("Der Dateikopf ist ungültig."));

    QList<FieldLayout> fields;
    int offset = 1;
    int at = 32;
    for (; at + 32 <= headerLength && bytes[at] != '\x0D'; at += 32) {
        FieldLayout field;
        const QByteArray rawName = bytes.mid(at, 11);
        field.name = rawName.left(rawName.indexOf('\0') < 0 ? 11 : rawName.indexOf('\0')).trimmed();
        field.type = bytes[at + 11];
        field.width = static_cast<unsigned char>(bytes[at + 16]);
        field.decimals = static_cast<unsigned char>(bytes[at + 17]);
        field.offset = offset;
        if (field.width < 1)
            throw corrupt(QStringLiteral("Feld %1 hat die Breite 0.").arg(fields.size() + 1));
        offset += field.width;
        fields.append(field);
    }
    if (at >= headerLength || bytes[at] != '\x0D')
        throw corrupt(QStringLiteral("Das Ende der Feldbeschreibungen fehlt."));
    if (fields.isEmpty())
        throw corrupt(QStringLiteral("Die Datei beschreibt keine Felder."));
    if (offset > recordLength)
        throw corrupt(QStringLiteral("Die Felder sind breiter als ein Datensatz."));
    if (records > unsigned(bytes.size() - headerLength) / unsigned(recordLength))
        throw corrupt(QStringLiteral("Die Datei ist unvollständig: %1 Datensätze angekündigt, %2 vorhanden.")
                          .arg(records)
                          .arg((bytes.size() - headerLength) / recordLength));
    recordCount = int(records);
    return fields;
}

QByteArray codePageOf(DBFHandle handle)
{
    const char *name = DBFGetCodePage(handle);
    if (!name)
        return "CP1252";
    const QByteArray upper = QByteArray(name).trimmed().toUpper();
    if (upper.startsWith("LDID/")) {
        switch (upper.mid(5).toInt()) {
        case 1: return "CP437";
        case 2: return "CP850";
        case 100: return "CP852";
        case 200: return "CP1250";
        case 201: return "CP1251";
        default: return "CP1252";
        }
    }
    if (upper.contains("UTF-8") || upper.contains("UTF8") || upper == "65001")
        return "UTF-8";
    bool numeric = false;
    const int number = upper.toInt(&numeric);
    if (numeric)
        return TextCodec::codePageForNumber(number);
    if (upper.contains("1252"))
        return "CP1252";
    return "CP1252";
}

db::FieldDef fieldDefOf(const FieldLayout &layout, const QString &name, const QString &fileName)
{
    db::FieldDef def;
    def.name = name;
    switch (layout.type) {
    case 'C':
        def.type = FieldType::Alpha;
        def.size = layout.width;
        break;
    case 'N':
    case 'F':
        def.type = layout.decimals == 0 && layout.width <= 9 ? FieldType::Long : FieldType::Number;
        break;
    case 'L': def.type = FieldType::Logical; break;
    case 'D': def.type = FieldType::Date; break;
    case 'M': def.type = FieldType::Memo; break;
    default:
        throw FileError::cannotRead(fileName, QStringLiteral("Das Feld '%1' hat den unbekannten dBase-Typ '%2'.")
                                                  .arg(name, QString(QChar::fromLatin1(layout.type))));
    }
    return def;
}

// A number written plainly ("-1234.5"), read without the detour through
// text that other forms of numbers take; nothing for any other form.
std::optional<double> plainDbaseNumber(QByteArrayView text)
{
    const char *p = text.data();
    const char *end = p + text.size();
    if (p < end && *p == '-')
        ++p;
    const char *digits = p;
    while (p < end && *p >= '0' && *p <= '9')
        ++p;
    if (p == digits)
        return std::nullopt;
    if (p < end && *p == '.') {
        const char *fraction = ++p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        if (p == fraction)
            return std::nullopt;
    }
    if (p != end)
        return std::nullopt;
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The plain number as a value of the field's type, as valuetext::parse reads
// it; nothing where the general reading must decide.
std::optional<QVariant> plainDbaseValue(QByteArrayView text, FieldType type)
{
    const bool integer = type == FieldType::Short || type == FieldType::Long || type == FieldType::AutoInc;
    if (!integer && type != FieldType::Number && type != FieldType::Money && type != FieldType::BCD)
        return std::nullopt;
    const std::optional<double> number = plainDbaseNumber(text);
    if (!number)
        return std::nullopt;
    if (!integer)
        return QVariant(*number);
    const double limit = type == FieldType::Short ? 32767 : 2147483647;
    if (*number != std::floor(*number) || *number < -limit - 1 || *number > limit)
        return std::nullopt;
    return QVariant(int(*number));
}

QVariant valueOf(const char *field, const FieldLayout &layout, FieldType type, const TextCodec &codec,
                 bool &ok)
{
    ok = true;
    QByteArrayView raw(field, layout.width);
    if (type == FieldType::Alpha) {
        qsizetype end = raw.size();
        while (end > 0 && (raw[end - 1] == ' ' || raw[end - 1] == '\0'))
            --end;
        return end == 0 ? QVariant() : QVariant(codec.decode(raw.first(end)));
    }
    const QByteArrayView text = raw.trimmed();
    if (text.isEmpty() || text.startsWith('*') || text.startsWith('?'))
        return QVariant();
    if (std::optional<QVariant> plain = plainDbaseValue(text, type))
        return std::move(*plain);
    if (type == FieldType::Date) {
        if (text == "00000000")
            return QVariant();
        QDate date;
        if (text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            date = QDate(QByteArrayView(text.first(4)).toInt(), QByteArrayView(text.sliced(4, 2)).toInt(),
                         QByteArrayView(text.sliced(6, 2)).toInt());
        else
            date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd"));
        ok = date.isValid();
        return date;
    }
    const auto value = valuetext::parse(QString::fromLatin1(text), type);
    ok = value.has_value();
    return value.value_or(QVariant());
}

unsigned readBigEndian(const QByteArray &bytes, qsizetype at, int size)
{
    unsigned value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The memo file beside a table: its blocks hold the texts the table's memo
// fields point at by block number.
class MemoFile
{
public:
    MemoFile(const QByteArray &bytes, unsigned char version, const QString &fileName)
        : bytes_(bytes), fileName_(fileName)
    {
        foxPro_ = version == 0xF5;
        if (bytes_.isEmpty())
            return;
        if (bytes_.size() < 512)
            throw corrupt(QStringLiteral("Der Kopf der Memodatei ist unvollständig."));
        if (foxPro_)
            blockSize_ = readBigEndian(bytes_, 6, 2);
        else if ((version & 0x0F) == 0x0B)   // dBase IV keeps its block size in the header
            blockSize_ = readLittleEndian(bytes_, 20, 2);
        if (blockSize_ == 0)
            blockSize_ = 512;
    }

    // The text of the memo the field's bytes point at; empty when none.
    QByteArray text(QByteArrayView pointer, const QString &fieldName, int record) const
    {
        quint64 block = 0;
        if (pointer.size() == 4) {
            block = readLittleEndian(pointer.toByteArray(), 0, 4);
        } else {
            const QByteArray digits = pointer.toByteArray().trimmed();
            if (digits.isEmpty())
                return {};
            bool ok = false;
            block = digits.toULongLong(&ok);
            if (!ok)
                throw corrupt(QStringLiteral("Datensatz %1, Memofeld '%2': '%3' ist keine Blocknummer.")
                                  .arg(record)
                                  .arg(fieldName, QString::fromLatin1(digits)));
        }
        if (block == 0)
            return {};
        if (bytes_.isEmpty())
            throw FileError::cannotRead(fileName_, QStringLiteral("Die Memodatei (.DBT oder .FPT) zu dieser dBase-"
                                                                  "Datei fehlt; das Memofeld '%1' enthält Text.")
                                                       .arg(fieldName));
        auto outside = [&] {
            return corrupt(QStringLiteral("Datensatz %1, Memofeld '%2': Block %3 liegt außerhalb der Memodatei.")
                               .arg(record)
                               .arg(fieldName)
                               .arg(block));
        };
        // The last block may be short: the block is there when it starts
        // inside the file.
        if (block > quint64(bytes_.size() - 1) / blockSize_)
            throw outside();
        const quint64 start = block * blockSize_;
        const qsizetype at = qsizetype(start);
        if (foxPro_ || hasBlockHeader(at)) {
            if (at + 8 > bytes_.size())
                throw outside();
            // FoxPro: type and length of the data, big-endian; dBase IV:
            // a marker and the length with these eight bytes, little-endian.
            const quint64 length = foxPro_ ? readBigEndian(bytes_, at + 4, 4)
                                           : quint64(readLittleEndian(bytes_, int(at + 4), 4));
            const quint64 dataLength = foxPro_ ? length : (length >= 8 ? length - 8 : 0);
            if (at + 8 + dataLength > quint64(bytes_.size()))
                throw outside();
            return bytes_.mid(at + 8, qsizetype(dataLength));
        }
        // dBase III: the text runs up to its end-of-file mark.
        const qsizetype end = bytes_.indexOf('\x1A', at);
        return bytes_.mid(at, end < 0 ? -1 : end - at);
    }

private:
    bool hasBlockHeader(qsizetype at) const
    {
        return at + 4 <= bytes_.size() && bytes_[at] == '\xFF' && bytes_[at + 1] == '\xFF'
               && bytes_[at + 2] == '\x08' && bytes_[at + 3] == '\x00';
    }

    FileError corrupt(const QString &detail) const { return FileError::corrupt(fileName_, detail); }

    QByteArray bytes_;
    QString fileName_;
    bool foxPro_ = false;
    quint64 blockSize_ = 512;
};

} // namespace

struct DbaseReader::State
{
    QString fileName;
    QFile file;
    QFile memoFile;
    MemoryVolume volume;
    DbfHandle dbf;
    QList<FieldLayout> layout;
    std::optional<TextCodec> codec;
    std::optional<MemoFile> memos;
    db::TableDef definition;
    int recordCount = 0;
    int record = 0;
};

DbaseReader::DbaseReader(const QString &path) : state_(std::make_unique<State>())
{
    const QByteArray bytes = mappedFile(state_->file, path);
    const QString codePageFile = siblingWithExtension(path, QStringLiteral("CPG"));
    QString memoFile = siblingWithExtension(path, QStringLiteral("DBT"));
    if (memoFile.isEmpty())
        memoFile = siblingWithExtension(path, QStringLiteral("FPT"));
    QByteArray memoBytes;
    if (!memoFile.isEmpty())
        memoBytes = mappedFile(state_->memoFile, memoFile);
    open(bytes, path, codePageFile.isEmpty() ? QByteArray() : readWholeFile(codePageFile), memoBytes);
}

DbaseReader::DbaseReader(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile,
                         const QByteArray &memoFile)
    : state_(std::make_unique<State>())
{
    open(bytes, fileName, codePageFile, memoFile);
}

DbaseReader::~DbaseReader() = default;

const db::TableDef &DbaseReader::definition() const
{
    return state_->definition;
}

int DbaseReader::recordCount() const
{
    return state_->recordCount;
}

void DbaseReader::open(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile,
                       const QByteArray &memoFile)
{
    State &state = *state_;
    state.fileName = fileName;
    int headerLength = 0, recordLength = 0;
    state.layout = checkedLayout(bytes, fileName, state.recordCount, headerLength, recordLength);

    state.volume.dbf = bytes;
    state.volume.cpg = codePageFile;
    state.volume.hasCpg = !codePageFile.isEmpty();
    VolumeScope scope(state.volume);
    SAHooks hooks = memoryHooks();
    state.dbf.handle = DBFOpenLL("memory.dbf", "rb", &hooks);
    if (!state.dbf.handle || DBFGetFieldCount(state.dbf.handle) < state.layout.size()
        || DBFGetRecordCount(state.dbf.handle) != state.recordCount)
        throw FileError::corrupt(fileName, QString::fromLatin1(state.volume.lastError));

    state.codec.emplace(codePageOf(state.dbf.handle));
    state.memos.emplace(memoFile, static_cast<unsigned char>(bytes[0]), fileName);
    for (const FieldLayout &field : state.layout)
        state.definition.fields.append(fieldDefOf(field, state.codec->decode(field.name), fileName));
}

bool DbaseReader::next(QVariantList &row)
{
    State &state = *state_;
    const QList<db::FieldDef> &fields = state.definition.fields;
    for (; state.record < state.recordCount; ++state.record) {
        const int record = state.record;
        const char *tuple = DBFReadTuple(state.dbf.handle, record);
        if (!tuple)
            throw FileError::corrupt(state.fileName, QStringLiteral("Datensatz %1 fehlt.").arg(record + 1));
        if (tuple[0] == '*')
            continue;
        row.clear();
        row.reserve(state.layout.size());
        for (qsizetype i = 0; i < state.layout.size(); ++i) {
            const FieldLayout &layout = state.layout[i];
            if (layout.type == 'M') {
                const QByteArray text = state.memos->text(QByteArrayView(tuple + layout.offset, layout.width),
                                                          fields[i].name, record + 1);
                row.append(text.isEmpty() ? QVariant() : QVariant(state.codec->decode(text)));
                continue;
            }
            bool ok = true;
            row.append(valueOf(tuple + layout.offset, layout, fields[i].type, *state.codec, ok));
            if (!ok)
                throw FileError::corrupt(state.fileName,
                                         QStringLiteral("Datensatz %1, Feld '%2': '%3' ist kein gültiger Wert.")
                                             .arg(record + 1)
                                             .arg(fields[i].name,
                                                  QString::fromLatin1(QByteArray(tuple + layout.offset, layout.width))
                                                      .trimmed()));
        }
        ++state.record;
        return true;
    }
    return false;
}

namespace {

ForeignData allRows(DbaseReader &reader)
{
    ForeignData data;
    data.definition = reader.definition();
    QVariantList row;
    while (reader.next(row))
        data.rows.push_back(row);
    return data;
}

} // namespace

ForeignData readDbase(const QByteArray &bytes, const QString &fileName, const QByteArray &codePageFile,
                      const QByteArray &memoFile)
{
    DbaseReader reader(bytes, fileName, codePageFile, memoFile);
    return allRows(reader);
}

ForeignData readDbaseFile(const QString &path)
{
    DbaseReader reader(path);
    return allRows(reader);
}

QStringList shortenedFieldNames(const QStringList &names, int maximumLength)
{
    QStringList result;
    QSet<QString> taken;
    for (const QString &name : names) {
        QString candidate = name.left(maximumLength);
        for (int suffix = 2; taken.contains(candidate.toUpper()); ++suffix) {
            const QString tail = QStringLiteral("_%1").arg(suffix);
            candidate = name.left(maximumLength - tail.size()) + tail;
        }
        taken.insert(candidate.toUpper());
        result.append(candidate);
    }
    return result;
}

QByteArray writeDbase(const ForeignData &data, const QString &fileName)
{
    const TextCodec codec("CP1252");
    const QList<db::FieldDef> &fields = data.definition.fields;
    QStringList names;
    for (const db::FieldDef &field : fields)
        names.append(field.name);
    names = shortenedFieldNames(names, 10);

    // Values as the bytes each field will hold, so widths follow the data.
    std::vector<std::vector<QByteArray>> cells(data.rows.size(), std::vector<QByteArray>(fields.size()));
    std::vector<FieldLayout> layout(fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const db::FieldDef &field = fields[i];
        FieldLayout &l = layout[i];
        l.decimals = 0;
        switch (field.type) {
        case FieldType::Alpha:
        case FieldType::Memo:
        case FieldType::Time:
        case FieldType::Timestamp:
            l.type = 'C';
            l.width = field.type == FieldType::Alpha ? std::clamp(field.size, 1, 254) : 1;
            break;
        case FieldType::Short: l.type = 'N'; l.width = 6; break;
        case FieldType::Long:
        case FieldType::AutoInc: l.type = 'N'; l.width = 11; break;
        case FieldType::Number:
        case FieldType::Money:
        case FieldType::BCD:
            l.type = 'N';
            l.width = 20;
            l.decimals = field.type == FieldType::Money ? 2 : field.type == FieldType::BCD ? field.precision : 0;
            for (const QVariantList &row : data.rows) {
                const QVariant &value = row.value(i);
                if (value.isValid() && !value.isNull())
                    l.decimals = std::max(l.decimals, valuetext::decimalsOf(value.toDouble()));
            }
            break;
        case FieldType::Logical: l.type = 'L'; l.width = 1; break;
        case FieldType::Date: l.type = 'D'; l.width = 8; break;
        case FieldType::Graphic:
        case FieldType::Blob:
            throw FileError::cannotWrite(
                fileName, QStringLiteral("Das Feld '%1' enthält Binärdaten, die eine dBase-Datei nicht aufnehmen kann.")
                              .arg(field.name));
        }
        for (size_t r = 0; r < data.rows.size(); ++r) {
            const QVariant &value = data.rows[r].value(i);
            if (!value.isValid() || value.isNull())
                continue;
            QByteArray &cell = cells[r][i];
            QChar bad;
            switch (l.type) {
            case 'C':
                if (!codec.encode(valuetext::format(value, field.type), cell, &bad))
                    throw FileError::unencodable(fileName, bad, QStringLiteral("Satz %1, Feld '%2'")
                                                                    .arg(r + 1)
                                                                    .arg(field.name));
                break;
            case 'N':
                cell = field.type == FieldType::Short || field.type == FieldType::Long
                        || field.type == FieldType::AutoInc
                    ? QByteArray::number(value.toLongLong())
                    : QByteArray::number(value.toDouble(), 'f', l.decimals);
                break;
            case 'L': cell = value.toBool() ? "T" : "F"; break;
            case 'D': cell = value.toDate().toString(QStringLiteral("yyyyMMdd")).toLatin1(); break;
            }
            l.width = std::max(l.width, int(cell.size()));
        }
        if (l.width > 254)
            throw FileError::cannotWrite(
                fileName, QStringLiteral("Ein Wert des Feldes '%1' ist länger als die 254 Zeichen eines dBase-Feldes.")
                              .arg(field.name));
    }

    MemoryVolume volume;
    VolumeScope scope(volume);
    SAHooks hooks = memoryHooks();
    DbfHandle dbf;
    dbf.handle = DBFCreateLL("memory.dbf", "LDID/87", &hooks);
    if (!dbf.handle)
        throw FileError::cannotWrite(fileName, QString::fromLatin1(volume.lastError));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const FieldLayout &l = layout[i];
        QByteArray name;
        QChar bad;
        if (!codec.encode(names[i], name, &bad))
            throw FileError::unencodable(fileName, bad, QStringLiteral("Feldname '%1'").arg(names[i]));
        if (DBFAddNativeFieldType(dbf.handle, name.left(10).constData(), l.type, l.width, l.decimals) < 0)
            throw FileError::cannotWrite(fileName, QStringLiteral("Das Feld '%1' kann nicht angelegt werden. %2")
                                                       .arg(fields[i].name, QString::fromLatin1(volume.lastError)));
    }
    for (size_t r = 0; r < data.rows.size(); ++r) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const FieldLayout &l = layout[i];
            const QByteArray &cell = cells[r][i];
            int written;
            if (cell.isEmpty()) {
                written = DBFWriteNULLAttribute(dbf.handle, int(r), int(i));
            } else {
                const QByteArray padded = l.type == 'N' ? cell.rightJustified(l.width, ' ')
                                                        : cell.leftJustified(l.width, ' ');
                written = DBFWriteAttributeDirectly(dbf.handle, int(r), int(i), const_cast<char *>(padded.constData()));
            }
            if (!written)
                throw FileError::cannotWrite(fileName, QString::fromLatin1(volume.lastError));
        }
    }
    DBFClose(dbf.handle);
    dbf.handle = nullptr;
    return volume.dbf;
}

void writeDbaseFile(const ForeignData &data, const QString &path)
{
    ReplacingFile::write(path, writeDbase(data, path));
}

} // namespace files
