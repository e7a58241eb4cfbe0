#include "ValueText.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace files::valuetext {

QString formatNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

namespace {

// Plain numbers ("1234.5", "-0,25", "1e-3") read without QLocale, whose
// conversion costs more than the rest of a file's record. nullopt for
// anything else, which the general reading below then decides on.
std::optional<double> plainNumber(QStringView text, bool hasComma)
{
    char buffer[64];
    if (text.size() >= qsizetype(sizeof buffer))
        return std::nullopt;
    qsizetype length = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (hasComma && u == u'.')
            continue;
        if (u == u',')
            buffer[length++] = '.';
        else if ((u >= u'0' && u <= u'9') || u == u'.' || u == u'-' || u == u'e' || u == u'E')
            buffer[length++] = char(u);
        else
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + length, value);
    if (error != std::errc() || end != buffer + length || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto plain = plainNumber(trimmed, trimmed.contains(u',')))
        return plain;
    QString t = trimmed.toString();
    // A comma is the decimal separator of the system's files, and then dots
    // can only be thousands separators; without a comma a dot is the
    // decimal point other programs write.
    if (t.contains(u',')) {
        t.remove(u'.');
        t.replace(u',', u'.');
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseInteger(QStringView text)
{
    const auto number = parseNumber(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 9.0e15)
        return std::nullopt;
    return static_cast<qint64>(*number);
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

std::optional<QDate> parseDate(QStringView text)
{
    const QString t = text.trimmed().toString();
    if (t.isEmpty())
        return std::nullopt;
    QDate date;
    if (t.contains(u'.')) {
        const QStringList parts = t.split(u'.');
        if (parts.size() == 3) {
            bool okDay, okMonth, okYear;
            const int day = parts[0].toInt(&okDay);
            const int month = parts[1].toInt(&okMonth);
            int year = parts[2].toInt(&okYear);
            if (okDay && okMonth && okYear) {
                if (parts[2].size() <= 2)
                    year += year < 50 ? 2000 : 1900;
                date = QDate(year, month, day);
            }
        }
    } else if (t.size() == 10 && t[4] == u'-') {
        date = QDate::fromString(t, Qt::ISODate);
    } else if (t.size() == 8) {
        date = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString formatTime(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

std::optional<QTime> parseTime(QStringView text)
{
    const QString t = text.trimmed().toString();
    QTime time = QTime::fromString(t, QStringLiteral("H:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(t, QStringLiteral("H:mm"));
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString formatTimestamp(const QDateTime &timestamp)
{
    return timestamp.isValid() ? timestamp.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) : QString();
}

std::optional<QDateTime> parseTimestamp(QStringView text)
{
    const QString t = text.trimmed().toString();
    const qsizetype blank = t.indexOf(u' ');
    if (blank < 0) {
        const auto date = parseDate(t);
        if (!date)
            return std::nullopt;
        return QDateTime(*date, QTime(0, 0));
    }
    const auto date = parseDate(QStringView(t).left(blank));
    const auto time = parseTime(QStringView(t).mid(blank + 1));
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

std::optional<bool> parseLogical(QStringView text)
{
    const QString t = text.trimmed().toString().toUpper();
    static const QStringList yes = {QStringLiteral("T"), QStringLiteral("TRUE"), QStringLiteral("WAHR"),
                                    QStringLiteral("J"), QStringLiteral("JA"), QStringLiteral("Y"),
                                    QStringLiteral("YES"), QStringLiteral("1")};
    static const QStringList no = {QStringLiteral("F"), QStringLiteral("FALSE"), QStringLiteral("FALSCH"),
                                   QStringLiteral("N"), QStringLiteral("NEIN"), QStringLiteral("NO"),
                                   QStringLiteral("0")};
    if (yes.contains(t))
        return true;
    if (no.contains(t))
        return false;
    return std::nullopt;
}

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
        return formatDate(value.toDate());
    case FieldType::Time:
        return formatTime(value.toTime());
    case FieldType::Timestamp:
        return formatTimestamp(value.toDateTime());
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
        if (const auto number = parseNumber(text))
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
        if (const auto logical = parseLogical(text))
            return QVariant(*logical);
        return std::nullopt;
    case FieldType::Date:
        if (const auto date = parseDate(text))
            return QVariant(*date);
        return std::nullopt;
    case FieldType::Time:
        if (const auto time = parseTime(text))
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
