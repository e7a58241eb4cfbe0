#include "private/RecordCopy.h"

#include "private/Catalog.h"
#include "Database.h"
#include "private/StoreStatement.h"

#include "TextFormat.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace db::store {

namespace {

bool isIntegerType(FieldType type)
{
    return type == FieldType::Short || type == FieldType::Long || type == FieldType::AutoInc;
}

bool isRealType(FieldType type)
{
    return type == FieldType::Number || type == FieldType::Money || type == FieldType::BCD;
}

bool isBytesType(FieldType type)
{
    return type == FieldType::Graphic || type == FieldType::Blob;
}

// Text of the plainest form, "-1234" or "-1234,5", read straight: the
// general reading below gives the same, but an import of many rows spends a
// good part of its time there. Nothing for any other text.
std::optional<double> plainNumberOf(const QString &text, bool integerOnly)
{
    constexpr qsizetype longest = 32;
    const qsizetype size = text.size();
    if (size == 0 || size > longest)
        return std::nullopt;
    char c[longest];
    qsizetype digits = 0;
    bool comma = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = text[i].unicode();
        if (u >= u'0' && u <= u'9') {
            c[i] = char(u);
            ++digits;
        } else if (u == u'-' && i == 0) {
            c[i] = '-';
        } else if (u == u',' && !comma && !integerOnly && digits > 0 && i + 1 < size) {
            c[i] = '.';
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(c, c + size, value);
    if (error != std::errc() || end != c + size || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// German first, as the program writes numbers; then the C form ("1.5") that
// imported text often has.
std::optional<double> numberFromText(const QString &text)
{
    if (auto plain = plainNumberOf(text, false))
        return plain;
    if (auto value = parseNumber(text))
        return value;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    return std::nullopt;
}

std::optional<double> numberOf(const QVariant &value, FieldType type)
{
    if (isTextType(type))
        return numberFromText(value.toString());
    if (type == FieldType::Logical)
        return value.toBool() ? 1.0 : 0.0;
    if (isIntegerType(type) || isRealType(type)) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok && std::isfinite(number))
            return number;
    }
    return std::nullopt;
}

QString textOf(const QVariant &value, const FieldDef &from)
{
    switch (from.type) {
    case FieldType::Alpha:
    case FieldType::Memo:
        return value.toString();
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        return QString::number(value.toLongLong());
    case FieldType::Number:
    case FieldType::Money:
        return formatNumber(value.toDouble());
    case FieldType::BCD: {
        QString text = QLocale::c().toString(value.toDouble(), 'f', qBound(0, from.precision, 16));
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        return text;
    }
    case FieldType::Logical:
        return formatBoolean(value.toBool());
    case FieldType::Date:
        return formatDate(value.toDate());
    case FieldType::Time:
        return formatTime(value.toTime());
    case FieldType::Timestamp:
        return formatDateTime(value.toDateTime());
    case FieldType::Graphic:
    case FieldType::Blob:
        return {};
    }
    return {};
}

template<typename T>
QVariant validOrNull(const T &value)
{
    return value.isValid() ? QVariant(value) : QVariant();
}

QVariant integerValue(double number, FieldType type)
{
    const double rounded = std::round(number);
    const double low = type == FieldType::Short ? -32768.0 : double(std::numeric_limits<qint32>::min());
    const double high = type == FieldType::Short ? 32767.0 : double(std::numeric_limits<qint32>::max());
    if (rounded < low || rounded > high)
        return {};
    return int(rounded);
}

} // namespace

QVariant convertFieldValue(const QVariant &value, const FieldDef &from, const FieldDef &to)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (to.type) {
    case FieldType::Alpha:
    case FieldType::Memo: {
        // Text that fits is taken as it is, without a copy.
        if (isTextType(from.type) && value.typeId() == QMetaType::QString) {
            const auto &given = *static_cast<const QString *>(value.constData());
            if (!given.isEmpty() && (to.type == FieldType::Memo || given.size() <= (to.size > 0 ? to.size : 255)))
                return value;
        }
        QString text = textOf(value, from);
        if (to.type == FieldType::Alpha) {
            const int size = to.size > 0 ? to.size : 255;
            if (text.size() > size)
                text.truncate(size);
        }
        // An empty alpha value is null in this store.
        if (text.isEmpty())
            return {};
        return text;
    }
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc: {
        if (isIntegerType(from.type) && value.typeId() == QMetaType::Int)
            return integerValue(value.toInt(), to.type);
        if (isTextType(from.type)) {
            const QString text = value.toString();
            if (auto plain = plainNumberOf(text, true))
                return integerValue(*plain, to.type);
            if (auto integer = parseInteger(text))
                return integerValue(double(*integer), to.type);
        }
        if (auto number = numberOf(value, from.type))
            return integerValue(*number, to.type);
        return {};
    }
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD: {
        auto number = numberOf(value, from.type);
        if (!number)
            return {};
        if (to.type == FieldType::BCD) {
            const double scale = std::pow(10.0, qBound(0, to.precision, 16));
            const double rounded = std::round(*number * scale) / scale;
            if (std::isfinite(rounded))
                return rounded;
        }
        return *number;
    }
    case FieldType::Logical:
        if (from.type == FieldType::Logical)
            return value.toBool();
        if (isTextType(from.type)) {
            if (auto truth = parseBoolean(value.toString()))
                return *truth;
            return {};
        }
        if (auto number = numberOf(value, from.type))
            return *number != 0;
        return {};
    case FieldType::Date:
        // A date that is none (QDate()) is null, as the field setters take it.
        if (from.type == FieldType::Date)
            return validOrNull(value.toDate());
        if (from.type == FieldType::Timestamp)
            return validOrNull(value.toDateTime().date());
        if (isTextType(from.type)) {
            if (auto date = parseDate(value.toString()))
                return *date;
        }
        return {};
    case FieldType::Time:
        if (from.type == FieldType::Time)
            return validOrNull(value.toTime());
        if (from.type == FieldType::Timestamp)
            return validOrNull(value.toDateTime().time());
        if (isTextType(from.type)) {
            if (auto time = parseTime(value.toString()))
                return *time;
        }
        return {};
    case FieldType::Timestamp:
        if (from.type == FieldType::Timestamp)
            return validOrNull(value.toDateTime());
        if (from.type == FieldType::Date)
            return validOrNull(QDateTime(value.toDate(), QTime(0, 0)));
        if (isTextType(from.type)) {
            if (auto dateTime = parseDateTime(value.toString()))
                return *dateTime;
        }
        return {};
    case FieldType::Graphic:
    case FieldType::Blob:
        if (isBytesType(from.type))
            return value.toByteArray();
        if (isTextType(from.type))
            return value.toString().toUtf8();
        return {};
    }
    return {};
}

bool copiesUnchanged(const FieldDef &from, const FieldDef &to)
{
    if (from.type == to.type) {
        if (to.type == FieldType::Alpha)
            return (to.size > 0 ? to.size : 255) >= (from.size > 0 ? from.size : 255);
        if (to.type == FieldType::BCD)
            return to.precision >= from.precision;
        return true;
    }
    if (from.type == FieldType::Alpha && to.type == FieldType::Memo)
        return true;
    if (isBytesType(from.type) && isBytesType(to.type))
        return true;
    // Integers only widen here.
    if (from.type == FieldType::Short && (to.type == FieldType::Long || to.type == FieldType::AutoInc))
        return true;
    if ((from.type == FieldType::Long || from.type == FieldType::AutoInc)
        && (to.type == FieldType::Long || to.type == FieldType::AutoInc))
        return true;
    return false;
}

QVariant storedForm(const TableDef &def, int fieldIndex, const QVariant &value)
{
    if ((!value.isValid() || value.isNull()) && def.fields[fieldIndex].type == FieldType::Alpha
        && isKeyField(def, fieldIndex))
        return QString(QLatin1String(""));
    return value;
}

void advanceIdentitySequences(Database &database, const TableDef &def)
{
    if (database.backend() != Database::Backend::PostgreSQL)
        return;
    QStringList columns;
    for (const FieldDef &field : def.fields) {
        if (field.type == FieldType::AutoInc)
            columns << field.name;
    }
    if (def.primaryKey.isEmpty() && database.hasRowIdColumn(def.name))
        columns << Database::rowIdColumn();
    for (const QString &column : columns) {
        auto statement = database.prepare(
            QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), COALESCE(MAX(%1), 0) + 1, false) FROM %2")
                .arg(database.quote(column), database.quote(def.name)));
        statement->bind(0, database.quote(def.name));
        statement->bind(1, column);
        statement->execute();
    }
}

} // namespace db::store
