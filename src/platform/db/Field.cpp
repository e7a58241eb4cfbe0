#include "Field.h"

#include "private/FieldConvert.h"
#include "private/StoreStatement.h"
#include "private/TablePrivate.h"
#include "TextFormat.h"

#include <cmath>
#include <limits>
#include <optional>

namespace db {

namespace detail {

namespace {

// Text of any value as a clerk would type it: German numbers and dates.
QString plainText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return formatNumber(value.toDouble());
    case QMetaType::Bool:
        return formatBoolean(value.toBool());
    case QMetaType::QDate:
        return formatDate(value.toDate());
    case QMetaType::QTime:
        return formatTime(value.toTime());
    case QMetaType::QDateTime:
        return formatDateTime(value.toDateTime());
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

// A number as such: the store's integer and real kinds, booleans aside.
bool isNumberType(const QVariant &value)
{
    const store::StoredKind kind = store::storedKind(value);
    return value.typeId() != QMetaType::Bool
           && (kind == store::StoredKind::Integer || kind == store::StoredKind::Real);
}

// A text for a text field: empty is null, an alpha field keeps its size.
QVariant textValue(const FieldDef &field, const QString &text)
{
    if (text.isEmpty())
        return QVariant();
    const int size = field.size > 0 ? field.size : 255;
    if (field.type == FieldType::Alpha && text.size() > size)
        return QVariant(text.left(size));
    return QVariant(text);
}

// The value itself where its type is the one the field holds and it fits
// as it is: the same as the general conversion below, without its detours.
std::optional<QVariant> sameTypeValue(const FieldDef &field, const QVariant &value, int typeId)
{
    switch (field.type) {
    case FieldType::Long:
    case FieldType::AutoInc:
        if (typeId == QMetaType::Int)
            return value;
        break;
    case FieldType::Number:
    case FieldType::Money:
        if (typeId == QMetaType::Double && std::isfinite(*static_cast<const double *>(value.constData())))
            return value;
        break;
    case FieldType::Date:
        if (typeId == QMetaType::QDate)
            return static_cast<const QDate *>(value.constData())->isValid() ? value : QVariant();
        break;
    case FieldType::Alpha:
    case FieldType::Memo:
        if (typeId == QMetaType::QString)
            return textValue(field, *static_cast<const QString *>(value.constData()));
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

void conversionFailed(const FieldDef &field, const QString &text)
{
    throw ConversionError(QStringLiteral("'%1' ist kein gültiger Wert für das Feld %2.").arg(text, field.name));
}

QVariant toFieldValue(const FieldDef &field, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    const int typeId = value.typeId();
    if (std::optional<QVariant> same = sameTypeValue(field, value, typeId))
        return std::move(*same);
    const bool isText = typeId == QMetaType::QString || typeId == QMetaType::QChar
                        || typeId == QMetaType::QByteArray;
    const QString text = isText ? plainText(value) : QString();
    const bool keepsBlanks = field.type == FieldType::Alpha || field.type == FieldType::Memo
                             || field.type == FieldType::Blob || field.type == FieldType::Graphic;
    if (isText && !keepsBlanks && QStringView(text).trimmed().isEmpty())
        return {};
    auto fail = [&]() -> QVariant { conversionFailed(field, plainText(value)); };

    switch (field.type) {
    case FieldType::Alpha: {
        QString result = isText ? text : plainText(value);
        if (result.isEmpty())
            return {};
        const int size = field.size > 0 ? field.size : 255;
        if (result.size() > size)
            result.truncate(size);
        return result;
    }
    case FieldType::Memo: {
        const QString result = isText ? text : plainText(value);
        return result.isEmpty() ? QVariant() : QVariant(result);
    }
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc: {
        qint64 number = 0;
        if (isText) {
            if (auto parsed = parseInteger(text)) {
                number = *parsed;
            } else if (auto real = parseNumber(text); real && *real == std::trunc(*real)) {
                number = qint64(*real);
            } else {
                return fail();
            }
        } else if (typeId == QMetaType::Bool) {
            number = value.toBool() ? 1 : 0;
        } else if (typeId == QMetaType::Double || typeId == QMetaType::Float) {
            const double real = value.toDouble();
            if (!std::isfinite(real) || std::fabs(real) > 9.0e18)
                return fail();
            number = std::llround(real);
        } else if (isNumberType(value)) {
            number = value.toLongLong();
        } else {
            return fail();
        }
        const qint64 low = field.type == FieldType::Short ? std::numeric_limits<qint16>::min()
                                                          : std::numeric_limits<qint32>::min();
        const qint64 high = field.type == FieldType::Short ? std::numeric_limits<qint16>::max()
                                                           : std::numeric_limits<qint32>::max();
        if (number < low || number > high)
            return fail();
        return int(number);
    }
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD: {
        double number = 0;
        if (isText) {
            const auto parsed = parseNumber(text);
            if (!parsed)
                return fail();
            number = *parsed;
        } else if (isNumberType(value)) {
            number = value.toDouble();
        } else {
            return fail();
        }
        if (!std::isfinite(number))
            return fail();
        if (field.type == FieldType::BCD) {
            const double scale = std::pow(10.0, qBound(0, field.precision, 16));
            number = std::round(number * scale) / scale;
        }
        return number;
    }
    case FieldType::Logical:
        if (isText) {
            const auto parsed = parseBoolean(text);
            if (!parsed)
                return fail();
            return *parsed;
        }
        if (typeId == QMetaType::Bool || isNumberType(value))
            return value.toDouble() != 0;
        return fail();
    case FieldType::Date:
        if (isText) {
            const auto parsed = parseDate(text);
            if (!parsed)
                return fail();
            return *parsed;
        }
        if (typeId == QMetaType::QDate)
            return value.toDate().isValid() ? value : QVariant();
        if (typeId == QMetaType::QDateTime)
            return value.toDateTime().date();
        return fail();
    case FieldType::Time:
        if (isText) {
            const auto parsed = parseTime(text);
            if (!parsed)
                return fail();
            return *parsed;
        }
        if (typeId == QMetaType::QTime)
            return value.toTime().isValid() ? value : QVariant();
        if (typeId == QMetaType::QDateTime)
            return value.toDateTime().time();
        return fail();
    case FieldType::Timestamp:
        if (isText) {
            const auto parsed = parseDateTime(text);
            if (!parsed)
                return fail();
            return *parsed;
        }
        if (typeId == QMetaType::QDateTime)
            return value.toDateTime().isValid() ? value : QVariant();
        if (typeId == QMetaType::QDate)
            return QDateTime(value.toDate(), QTime(0, 0));
        return fail();
    case FieldType::Graphic:
    case FieldType::Blob: {
        // Text stands for bytes one to one, so copying a blob as text keeps it.
        const QByteArray bytes = typeId == QMetaType::QByteArray ? value.toByteArray()
                                                                   : value.toString().toLatin1();
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    }
    return fail();
}

QString fieldText(const FieldDef &field, const QVariant &typed)
{
    if (!typed.isValid() || typed.isNull())
        return {};
    switch (field.type) {
    case FieldType::Alpha:
    case FieldType::Memo:
        return typed.toString();
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        return QString::number(typed.toLongLong());
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
        return formatNumber(typed.toDouble());
    case FieldType::Logical:
        return formatBoolean(typed.toBool());
    case FieldType::Date:
        return formatDate(typed.toDate());
    case FieldType::Time:
        return formatTime(typed.toTime());
    case FieldType::Timestamp:
        return formatDateTime(typed.toDateTime());
    case FieldType::Graphic:
    case FieldType::Blob:
        return QString::fromLatin1(typed.toByteArray());
    }
    return typed.toString();
}

} // namespace detail

Field::Field(Table *owner, const FieldDef &def, int index) : owner_(owner), def_(def), index_(index) {}

bool Field::isNumeric() const
{
    switch (def_.type) {
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        return true;
    default:
        return false;
    }
}

bool Field::isNull() const
{
    return owner_->d->isNull(index_);
}

QVariant Field::value() const
{
    return owner_->d->value(index_);
}

QString Field::asString() const
{
    return detail::fieldText(def_, value());
}

qint64 Field::asLargeInt() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return 0;
    switch (def_.type) {
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
    case FieldType::Logical:
        return v.toLongLong();
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
        return std::llround(v.toDouble());
    case FieldType::Alpha:
    case FieldType::Memo: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return 0;
        if (auto parsed = parseInteger(text))
            return *parsed;
        if (auto real = parseNumber(text))
            return std::llround(*real);
        detail::conversionFailed(def_, text);
    }
    default:
        detail::conversionFailed(def_, asString());
    }
}

int Field::asInteger() const
{
    const qint64 value = asLargeInt();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        detail::conversionFailed(def_, asString());
    return int(value);
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return 0;
    switch (def_.type) {
    case FieldType::Alpha:
    case FieldType::Memo: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return 0;
        if (auto parsed = parseNumber(text))
            return *parsed;
        detail::conversionFailed(def_, text);
    }
    case FieldType::Date:
        return double(QDate(1899, 12, 30).daysTo(v.toDate()));
    case FieldType::Timestamp: {
        const QDateTime dateTime = v.toDateTime();
        return double(QDate(1899, 12, 30).daysTo(dateTime.date()))
               + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
    }
    case FieldType::Time:
        return v.toTime().msecsSinceStartOfDay() / 86400000.0;
    case FieldType::Graphic:
    case FieldType::Blob:
        detail::conversionFailed(def_, asString());
    default:
        return v.toDouble();
    }
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return false;
    switch (def_.type) {
    case FieldType::Logical:
        return v.toBool();
    case FieldType::Alpha:
    case FieldType::Memo: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return false;
        if (auto parsed = parseBoolean(text))
            return *parsed;
        detail::conversionFailed(def_, text);
    }
    default:
        if (isNumeric())
            return v.toDouble() != 0;
        detail::conversionFailed(def_, asString());
    }
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return {};
    switch (def_.type) {
    case FieldType::Date:
        return v.toDate();
    case FieldType::Timestamp:
        return v.toDateTime().date();
    case FieldType::Alpha:
    case FieldType::Memo: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return {};
        if (auto parsed = parseDate(text))
            return *parsed;
        detail::conversionFailed(def_, text);
    }
    default:
        detail::conversionFailed(def_, asString());
    }
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return {};
    switch (def_.type) {
    case FieldType::Timestamp:
        return v.toDateTime();
    case FieldType::Date:
        return QDateTime(v.toDate(), QTime(0, 0));
    case FieldType::Time:
        return QDateTime(QDate(1899, 12, 30), v.toTime());
    case FieldType::Alpha:
    case FieldType::Memo: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return {};
        if (auto parsed = parseDateTime(text))
            return *parsed;
        detail::conversionFailed(def_, text);
    }
    default:
        detail::conversionFailed(def_, asString());
    }
}

QByteArray Field::asBytes() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return {};
    if (def_.type == FieldType::Graphic || def_.type == FieldType::Blob)
        return v.toByteArray();
    return asString().toUtf8();
}

QString Field::displayText() const
{
    if (isNull())
        return {};
    if (def_.type == FieldType::Money || def_.type == FieldType::BCD)
        return formatFixed(value().toDouble(), 2);
    return asString();
}

void Field::setValue(const QVariant &value)
{
    owner_->d->setValue(index_, detail::toFieldValue(def_, value));
}

// The typed setters hand a value of the field's own type over as it is,
// without the general conversion and its copies; any other goes through it.
void Field::setAsString(const QString &text)
{
    if (def_.type != FieldType::Alpha && def_.type != FieldType::Memo)
        return setValue(text);
    owner_->d->setValue(index_, detail::textValue(def_, text));
}

void Field::setAsInteger(int value)
{
    if (def_.type == FieldType::Long || def_.type == FieldType::AutoInc)
        owner_->d->setValue(index_, QVariant(value));
    else
        setValue(value);
}

void Field::setAsFloat(double value)
{
    if ((def_.type == FieldType::Number || def_.type == FieldType::Money) && std::isfinite(value))
        owner_->d->setValue(index_, QVariant(value));
    else
        setValue(value);
}

void Field::setAsBoolean(bool value)
{
    setValue(value);
}

void Field::setAsDate(const QDate &value)
{
    if (def_.type == FieldType::Date)
        owner_->d->setValue(index_, value.isValid() ? QVariant(value) : QVariant());
    else
        setValue(value);
}

void Field::setAsDateTime(const QDateTime &value)
{
    setValue(value);
}

void Field::setAsBytes(const QByteArray &value)
{
    if (def_.type == FieldType::Graphic || def_.type == FieldType::Blob)
        setValue(value);
    else
        setValue(QString::fromUtf8(value));
}

void Field::clear()
{
    owner_->d->setValue(index_, QVariant());
}

} // namespace db
