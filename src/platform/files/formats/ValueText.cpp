#include "ValueText.h"

#include "platform/sys/GermanFormat.h"

#include <algorithm>
#include <cmath>

namespace files::valuetext {

namespace german = sys::german;

namespace {

// General format, up to 15 significant digits, no thousands separators, no
// trailing zeros: 1234,5
QString formatNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

// Any number without a fraction.
std::optional<qint64> parseInteger(QStringView text)
{
    // Plain digits, as most files hold them, read straight.
    const bool negative = !text.isEmpty() && text.front() == u'-';
    const QStringView digits = negative ? text.sliced(1) : text;
    if (!digits.isEmpty() && digits.size() <= 15
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        qint64 number = 0;
        for (const QChar c : digits)
            number = number * 10 + (c.unicode() - u'0');
        return negative ? -number : number;
    }
    const auto number = german::parseForeignNumber(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 9.0e15)
        return std::nullopt;
    return static_cast<qint64>(*number);
}

std::optional<QDateTime> parseTimestamp(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const auto date = german::parseForeignDate(blank < 0 ? trimmed : trimmed.left(blank));
    if (!date)
        return std::nullopt;
    if (blank < 0)
        return QDateTime(*date, QTime(0, 0));
    const auto time = german::parseTime(trimmed.mid(blank + 1).toString());
    if (!time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

} // namespace

QString format(const QVariant &value, db::FieldType type)
{
    if (!value.isValid() || value.isNull())
        return QString();
    using db::FieldType;
    switch (type) {
    case FieldType::Alpha:
    case FieldType::Memo:
        return value.toString();
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
        return formatNumber(value.toDouble());
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        return QString::number(value.toLongLong());
    case FieldType::Logical:
        return value.toBool() ? QStringLiteral("T") : QStringLiteral("F");
    case FieldType::Date:
        return german::formatDate(value.toDate());
    case FieldType::Time:
        return german::formatTime(value.toTime());
    case FieldType::Timestamp:
        return german::formatDateTime(value.toDateTime());
    case FieldType::Graphic:
    case FieldType::Blob:
        return QString();
    }
    return QString();
}

std::optional<QVariant> parse(QStringView text, db::FieldType type)
{
    if (text.trimmed().isEmpty())
        return QVariant();
    using db::FieldType;
    switch (type) {
    case FieldType::Alpha:
    case FieldType::Memo:
        return QVariant(text.toString());
    case FieldType::Number:
    case FieldType::Money:
    case FieldType::BCD:
        if (const auto number = german::parseForeignNumber(text))
            return QVariant(*number);
        return std::nullopt;
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc:
        if (const auto number = parseInteger(text)) {
            const qint64 limit = type == FieldType::Short ? 32767 : 2147483647;
            if (*number >= -limit - 1 && *number <= limit)
                return QVariant(static_cast<int>(*number));
        }
        return std::nullopt;
    case FieldType::Logical:
        if (const auto logical = german::parseBoolean(text))
            return QVariant(*logical);
        return std::nullopt;
    case FieldType::Date:
        if (const auto date = german::parseForeignDate(text))
            return QVariant(*date);
        return std::nullopt;
    case FieldType::Time:
        if (const auto time = german::parseTime(text.toString()))
            return QVariant(*time);
        return std::nullopt;
    case FieldType::Timestamp:
        if (const auto timestamp = parseTimestamp(text))
            return QVariant(*timestamp);
        return std::nullopt;
    case FieldType::Graphic:
    case FieldType::Blob:
        return std::nullopt;
    }
    return std::nullopt;
}

int decimalsOf(double value)
{
    if (!std::isfinite(value))
        return 0;
    const QString text = QString::number(value, 'g', 15);
    const qsizetype exponentAt = text.indexOf(u'e');
    const QStringView mantissa = exponentAt < 0 ? QStringView(text) : QStringView(text).left(exponentAt);
    const qsizetype point = mantissa.indexOf(u'.');
    int decimals = point < 0 ? 0 : int(mantissa.size() - point - 1);
    if (exponentAt >= 0)
        decimals -= QStringView(text).mid(exponentAt + 1).toInt();
    return std::clamp(decimals, 0, 15);
}

} // namespace files::valuetext
