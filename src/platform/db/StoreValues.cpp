#include "private/StoreStatement.h"

#include "DatabaseError.h"
#include "TextFormat.h"

#include <QLocale>
#include <QStringEncoder>
#include <cmath>

namespace db::store {

void raise(ErrorKind kind, const QString &engineMessage, const QString &sql)
{
    QString message;
    switch (kind) {
    case ErrorKind::General:
        throw DatabaseError(engineMessage, sql);
    case ErrorKind::Busy:
        throw LockError(QStringLiteral("Die Daten sind gerade von einem anderen Arbeitsplatz gesperrt."), sql,
                        engineMessage);
    case ErrorKind::KeyViolation:
        message = QStringLiteral("Schlüsselverletzung.");
        break;
    case ErrorKind::RequiredValue:
        message = QStringLiteral("Feldwert erforderlich.");
        break;
    case ErrorKind::CannotOpen:
        message = QStringLiteral("Die Datenbank kann nicht geöffnet werden.");
        break;
    case ErrorKind::ReadOnly:
        message = QStringLiteral("Die Datenbank ist schreibgeschützt. Die Änderung wurde nicht gespeichert.");
        break;
    case ErrorKind::DiskFull:
        message = QStringLiteral("Der Datenträger der Datenbank ist voll. Die Änderung wurde nicht gespeichert.");
        break;
    case ErrorKind::Damaged:
        message = QStringLiteral("Die Datenbank ist beschädigt.");
        break;
    case ErrorKind::InputOutput:
        message = QStringLiteral("Die Datenbank kann nicht gelesen oder geschrieben werden (Ein-/Ausgabefehler).");
        break;
    }
    throw DatabaseError(message, sql, engineMessage);
}

// --- rows and values

namespace {

// Appends the date's stored text ("2024-03-05") to bytes; false, and
// nothing appended, for dates that text cannot show.
bool putStoredDate(QByteArray &bytes, const QDate &date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 0 || year > 9999)
        return false;
    const qsizetype start = bytes.size();
    bytes.resize(start + 10);
    char *out = bytes.data() + start;
    auto digits = [&out](int value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            out[i] = char('0' + value % 10);
            value /= 10;
        }
        out += count;
    };
    digits(year, 4);
    *out++ = '-';
    digits(month, 2);
    *out++ = '-';
    digits(day, 2);
    return true;
}

} // namespace

QString Row::text(int column) const
{
    const Cell &cell = cells[column];
    switch (cell.kind) {
    case Cell::Null:
        return {};
    case Cell::Integer:
        return QString::number(cell.integer);
    case Cell::Real:
        return QString::number(cell.real, 'g', 15);
    case Cell::Text:
    case Cell::Bytes:
        return QString::fromUtf8(bytes.constData() + cell.offset, cell.size);
    }
    return {};
}

QByteArray Row::rawBytes(int column) const
{
    const Cell &cell = cells[column];
    if (cell.kind == Cell::Text || cell.kind == Cell::Bytes)
        return QByteArray(bytes.constData() + cell.offset, cell.size);
    if (cell.kind == Cell::Null)
        return {};
    return text(column).toUtf8();
}

void Row::setValue(int column, const QVariant &value)
{
    if (column >= int(cells.size()))
        cells.resize(column + 1);
    Cell &cell = cells[column];
    cell = Cell();
    auto putBytes = [&](const QByteArray &data, Cell::Kind kind) {
        cell.kind = kind;
        cell.offset = quint32(bytes.size());
        cell.size = quint32(data.size());
        bytes.append(data);
    };
    // Text straight into the row's buffer, without a copy of its own.
    auto putText = [&](const QString &text) {
        cell.kind = Cell::Text;
        cell.offset = quint32(bytes.size());
        bytes.resize(bytes.size() + text.size() * 3);
        QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
        char *start = bytes.data() + cell.offset;
        const char *end = encoder.appendToBuffer(start, text);
        cell.size = quint32(end - start);
        bytes.resize(cell.offset + cell.size);
    };
    // The types fields hold most, read in place rather than converted.
    switch (value.typeId()) {
    case QMetaType::Int:
        cell.kind = Cell::Integer;
        cell.integer = *static_cast<const int *>(value.constData());
        return;
    case QMetaType::Double:
        cell.kind = Cell::Real;
        cell.real = *static_cast<const double *>(value.constData());
        return;
    case QMetaType::QString:
        putText(*static_cast<const QString *>(value.constData()));
        return;
    case QMetaType::QDate:
        if (putStoredDate(bytes, *static_cast<const QDate *>(value.constData()))) {
            cell.kind = Cell::Text;
            cell.offset = quint32(bytes.size() - 10);
            cell.size = 10;
            return;
        }
        break;
    default:
        break;
    }
    if (!value.isValid() || value.isNull())
        return;
    switch (storedKind(value)) {
    case StoredKind::Null:
        break;
    case StoredKind::Integer:
        cell.kind = Cell::Integer;
        cell.integer = value.toLongLong();
        break;
    case StoredKind::Real:
        cell.kind = Cell::Real;
        cell.real = value.toDouble();
        break;
    case StoredKind::Bytes:
        putBytes(value.toByteArray(), Cell::Bytes);
        break;
    case StoredKind::Date:
        putText(storedDate(value.toDate()));
        break;
    case StoredKind::Time:
        putBytes(storedTime(value.toTime()).toUtf8(), Cell::Text);
        break;
    case StoredKind::DateTime:
        putBytes(storedDateTime(value.toDateTime()).toUtf8(), Cell::Text);
        break;
    case StoredKind::Text:
        if (value.typeId() == QMetaType::QString)
            putText(*static_cast<const QString *>(value.constData()));
        else
            putText(value.toString());
        break;
    }
}

StoredKind storedKind(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return StoredKind::Null;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return StoredKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return StoredKind::Real;
    case QMetaType::QByteArray:
        return StoredKind::Bytes;
    case QMetaType::QDate:
        return StoredKind::Date;
    case QMetaType::QTime:
        return StoredKind::Time;
    case QMetaType::QDateTime:
        return StoredKind::DateTime;
    default:
        return StoredKind::Text;
    }
}

namespace {

// Formatting by hand: QDate::toString goes through printf and showed up as
// the largest single cost of bulk inserts.
void putDigits(QChar *&out, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    }
    out += digits;
}

int digitsAt(const QString &text, int position, int count, bool *ok)
{
    int value = 0;
    for (int i = position; i < position + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            *ok = false;
            return 0;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

// "2024-03-05" as UTF-8, or nothing when the text is of another form. The
// day number is worked out here: every date of a scan passes through, and
// QDate's own checks cost more than reading the text.
std::optional<QDate> storedDateOf(const char *text, quint32 size)
{
    if (size < 10 || text[4] != '-' || text[7] != '-' || (size > 10 && text[10] != ' ' && text[10] != 'T'))
        return std::nullopt;
    const auto digit = [text](int i) { return unsigned(text[i]) - unsigned('0'); };
    unsigned digits[8] = {digit(0), digit(1), digit(2), digit(3), digit(5), digit(6), digit(8), digit(9)};
    for (unsigned d : digits) {
        if (d > 9)
            return std::nullopt;
    }
    const int year = int(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3]);
    const int month = int(digits[4] * 10 + digits[5]);
    const int day = int(digits[6] * 10 + digits[7]);
    static constexpr int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (day > monthDays[month - 1] + (month == 2 && leap ? 1 : 0))
        return std::nullopt;
    // Julian day of a Gregorian date of our era.
    const int a = (14 - month) / 12;
    const qint64 y = year + 4800 - a;
    const qint64 m = month + 12 * a - 3;
    return QDate::fromJulianDay(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

QString storedDate(const QDate &date)
{
    if (!date.isValid() || date.year() < 0 || date.year() > 9999)
        return date.toString(Qt::ISODate);
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QString text(10, Qt::Uninitialized);
    QChar *out = text.data();
    putDigits(out, year, 4);
    *out++ = QLatin1Char('-');
    putDigits(out, month, 2);
    *out++ = QLatin1Char('-');
    putDigits(out, day, 2);
    return text;
}

QString storedTime(const QTime &time)
{
    if (!time.isValid())
        return {};
    QString text(12, Qt::Uninitialized);
    QChar *out = text.data();
    putDigits(out, time.hour(), 2);
    *out++ = QLatin1Char(':');
    putDigits(out, time.minute(), 2);
    *out++ = QLatin1Char(':');
    putDigits(out, time.second(), 2);
    *out++ = QLatin1Char('.');
    putDigits(out, time.msec(), 3);
    return text;
}

QString storedDateTime(const QDateTime &dateTime)
{
    return storedDate(dateTime.date()) + QLatin1Char('T') + storedTime(dateTime.time());
}

namespace {

// "2024-03-05" and longer ISO texts.
QDate dateFromStored(const QString &text)
{
    if (text.size() >= 10 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-')) {
        bool ok = true;
        const int year = digitsAt(text, 0, 4, &ok);
        const int month = digitsAt(text, 5, 2, &ok);
        const int day = digitsAt(text, 8, 2, &ok);
        if (ok)
            return QDate(year, month, day);
    }
    return QDate::fromString(text.left(10), Qt::ISODate);
}

// "14:05:09", "14:05:09.123".
QTime timeFromStored(const QString &text)
{
    if (text.size() >= 8 && text[2] == QLatin1Char(':') && text[5] == QLatin1Char(':')) {
        bool ok = true;
        const int hour = digitsAt(text, 0, 2, &ok);
        const int minute = digitsAt(text, 3, 2, &ok);
        const int second = digitsAt(text, 6, 2, &ok);
        // PostgreSQL leaves out trailing zeros of the fraction: ".5" is 500 ms.
        int millisecond = 0;
        if (text.size() >= 10 && (text[8] == QLatin1Char('.') || text[8] == QLatin1Char(','))) {
            const int digits = int(std::min<qsizetype>(3, text.size() - 9));
            millisecond = digitsAt(text, 9, digits, &ok);
            for (int i = digits; i < 3; ++i)
                millisecond *= 10;
        }
        if (ok)
            return QTime(hour, minute, second, millisecond);
    }
    QTime time = QTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        time = QTime::fromString(text, Qt::ISODate);
    return time;
}

} // namespace

namespace {

std::optional<qint64> integerOf(const Row &row, int column)
{
    const Cell &cell = row.cells[column];
    switch (cell.kind) {
    case Cell::Integer:
        return cell.integer;
    case Cell::Real:
        return qint64(std::llround(cell.real));
    case Cell::Text: {
        bool ok = false;
        const QString text = row.text(column).trimmed();
        const qint64 value = text.toLongLong(&ok);
        if (ok)
            return value;
        const double real = QLocale::c().toDouble(text, &ok);
        if (ok)
            return qint64(std::llround(real));
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<double> realOf(const Row &row, int column)
{
    const Cell &cell = row.cells[column];
    switch (cell.kind) {
    case Cell::Integer:
        return double(cell.integer);
    case Cell::Real:
        return cell.real;
    case Cell::Text: {
        bool ok = false;
        const double value = QLocale::c().toDouble(row.text(column).trimmed(), &ok);
        if (ok)
            return value;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// A text put straight into its variant: copying it in would count one
// more reference to it and drop that again, on every text a scan reads.
QVariant textVariant(QString &&text)
{
    QVariant variant{QMetaType::fromType<QString>()};
    *static_cast<QString *>(variant.data()) = std::move(text);
    return variant;
}

} // namespace

QVariant cellValue(const Row &row, int column, FieldType type)
{
    const Cell &cell = row.cells[column];
    if (cell.kind == Cell::Null)
        return {};
    switch (type) {
    case FieldType::Alpha:
    case FieldType::Memo:
        return textVariant(row.text(column));
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        if (auto v = integerOf(row, column))
            return int(*v);
        return {};
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
        if (auto v = realOf(row, column))
            return *v;
        return {};
    case FieldType::Logical:
        if (cell.kind == Cell::Text) {
            if (auto b = parseBoolean(row.text(column)))
                return *b;
            return {};
        }
        if (auto v = realOf(row, column))
            return *v != 0;
        return {};
    case FieldType::Date: {
        if (cell.kind == Cell::Text) {
            // The stored form read where it lies, without a string of its own.
            const char *text = row.bytes.constData() + cell.offset;
            if (auto date = storedDateOf(text, cell.size))
                return *date;
        }
        const QDate date = dateFromStored(row.text(column));
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case FieldType::Time: {
        const QTime time = timeFromStored(row.text(column));
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case FieldType::Timestamp: {
        const QString text = row.text(column);
        const QDate date = dateFromStored(text);
        if (!date.isValid())
            return {};
        const QTime time = text.size() > 11 ? timeFromStored(text.mid(11)) : QTime(0, 0);
        return QDateTime(date, time.isValid() ? time : QTime(0, 0));
    }
    case FieldType::Graphic:
    case FieldType::Blob:
        return row.rawBytes(column);
    }
    return {};
}

FieldType fieldTypeFromSql(const QString &sqlType, int *size, int *precision)
{
    const QString t = sqlType.trimmed().toUpper();
    auto numberIn = [&](int which) {
        const int open = t.indexOf(QLatin1Char('('));
        const int close = t.indexOf(QLatin1Char(')'), open);
        if (open < 0 || close < 0)
            return 0;
        const QStringList parts = t.mid(open + 1, close - open - 1).split(QLatin1Char(','));
        return which < parts.size() ? parts[which].trimmed().toInt() : 0;
    };
    if (size)
        *size = 0;
    if (precision)
        *precision = 0;
    if (t.contains(QLatin1String("CHAR"))) {
        const int n = numberIn(0);
        if (n <= 0)
            return FieldType::Memo;
        if (size)
            *size = n;
        return FieldType::Alpha;
    }
    if (t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CLOB"))
        || t.contains(QLatin1String("MEMO")))
        return FieldType::Memo;
    if (t.contains(QLatin1String("TIMESTAMP")) || t.contains(QLatin1String("DATETIME")))
        return FieldType::Timestamp;
    if (t.contains(QLatin1String("DATE")))
        return FieldType::Date;
    if (t.contains(QLatin1String("TIME")))
        return FieldType::Time;
    if (t.contains(QLatin1String("BOOL")) || t.contains(QLatin1String("LOGICAL")))
        return FieldType::Logical;
    if (t.contains(QLatin1String("AUTOINC")) || t.contains(QLatin1String("SERIAL")))
        return FieldType::AutoInc;
    if (t.contains(QLatin1String("SMALLINT")) || t.contains(QLatin1String("SHORT")))
        return FieldType::Short;
    if (t.contains(QLatin1String("INT")))
        return FieldType::Long;
    if (t.contains(QLatin1String("MONEY")) || t.contains(QLatin1String("CURRENCY")))
        return FieldType::Money;
    if (t.contains(QLatin1String("DEC")) || t.contains(QLatin1String("NUMERIC"))
        || t.contains(QLatin1String("BCD"))) {
        // numeric(19,4) is how money is held on PostgreSQL.
        if (numberIn(0) == 19 && numberIn(1) == 4)
            return FieldType::Money;
        if (!t.contains(QLatin1Char('(')))
            return FieldType::Number;
        if (precision)
            *precision = numberIn(1);
        return FieldType::BCD;
    }
    if (t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("FLOA"))
        || t.contains(QLatin1String("REAL")))
        return FieldType::Number;
    if (t.contains(QLatin1String("GRAPHIC")) || t.contains(QLatin1String("IMAGE")))
        return FieldType::Graphic;
    if (t.contains(QLatin1String("BLOB")) || t.contains(QLatin1String("BYTEA"))
        || t.contains(QLatin1String("BINARY")))
        return FieldType::Blob;
    return FieldType::Memo;
}

} // namespace db::store
