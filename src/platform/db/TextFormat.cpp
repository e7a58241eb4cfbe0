#include "TextFormat.h"

#include "platform/sys/GermanFormat.h"

#include <QRegularExpression>
#include <algorithm>

namespace db {

namespace german = sys::german;

QString formatNumber(double value)
{
    return german::formatNumber(value);
}

QString formatFixed(double value, int decimals)
{
    return german::formatNumber(value, std::max(0, decimals), true);
}

std::optional<double> parseNumber(const QString &text)
{
    return german::parseNumber(text, true);
}

std::optional<qint64> parseInteger(const QString &text)
{
    return german::parseInteger(text, true);
}

QString formatDate(const QDate &date)
{
    return german::formatDate(date);
}

std::optional<QDate> parseDate(const QString &text)
{
    if (std::optional<QDate> date = german::parseDate(text))
        return date;
    return german::parseIsoDate(text);
}

QString formatTime(const QTime &time)
{
    return german::formatTime(time);
}

std::optional<QTime> parseTime(const QString &text)
{
    // Times from the store and other programs may carry milliseconds.
    static const QRegularExpression fraction(QStringLiteral("^(\\d{1,2}:\\d{1,2}:\\d{1,2})[.,](\\d{1,3})$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = fraction.match(trimmed);
    if (!match.hasMatch())
        return german::parseTime(trimmed);
    const std::optional<QTime> time = german::parseTime(match.captured(1));
    if (!time)
        return std::nullopt;
    const int milliseconds = match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    return QTime(time->hour(), time->minute(), time->second(), milliseconds);
}

QString formatDateTime(const QDateTime &dateTime)
{
    if (dateTime.isValid() && dateTime.time() == QTime(0, 0))
        return german::formatDate(dateTime.date());
    return german::formatDateTime(dateTime);
}

std::optional<QDateTime> parseDateTime(const QString &text)
{
    QString trimmed = text.trimmed();
    // ISO form as the store and other programs write it.
    if (trimmed.size() > 10 && trimmed[4] == QLatin1Char('-') && trimmed[10] == QLatin1Char('T'))
        trimmed[10] = QLatin1Char(' ');
    const int space = trimmed.indexOf(QLatin1Char(' '));
    const QString datePart = space < 0 ? trimmed : trimmed.left(space);
    const QString timePart = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
    const std::optional<QDate> date = parseDate(datePart);
    if (!date)
        return std::nullopt;
    QTime time(0, 0);
    if (!timePart.isEmpty()) {
        const std::optional<QTime> parsed = parseTime(timePart);
        if (!parsed)
            return std::nullopt;
        time = *parsed;
    }
    return QDateTime(*date, time);
}

QString formatBoolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> parseBoolean(const QString &text)
{
    return german::parseBoolean(text);
}

} // namespace db
