#include "TextFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <atomic>
#include <cmath>

namespace db {

namespace {

std::atomic<int> yearOffset{10};

int expandYear(int twoDigits)
{
    const int start = QDate::currentDate().year() - yearOffset.load();
    int year = (start / 100) * 100 + twoDigits;
    if (year < start)
        year += 100;
    return year;
}

} // namespace

int twoDigitYearOffset()
{
    return yearOffset.load();
}

void setTwoDigitYearOffset(int years)
{
    yearOffset.store(years);
}

QString formatNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QLocale::c().toString(value, 'g', 15);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // Exponents as the old engine wrote them: "1E20", "1,5E-7".
        QString mantissa = text.left(e);
        int exponent = text.mid(e + 1).toInt();
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    }
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString formatFixed(double value, int decimals)
{
    QString text = QLocale::c().toString(std::fabs(value), 'f', decimals);
    QString integerPart = text;
    QString fraction;
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        integerPart = text.left(point);
        fraction = text.mid(point + 1);
    }
    for (int i = integerPart.size() - 3; i > 0; i -= 3)
        integerPart.insert(i, QLatin1Char('.'));
    QString result = integerPart;
    if (!fraction.isEmpty())
        result += QLatin1Char(',') + fraction;
    bool allZero = true;
    for (QChar c : result) {
        if (c.isDigit() && c != QLatin1Char('0'))
            allZero = false;
    }
    if (value < 0 && !allZero)
        result.prepend(QLatin1Char('-'));
    return result;
}

std::optional<double> parseNumber(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d*)(?:,(\\d*))?(?:[eE]([+-]?\\d+))?$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    QString integerPart = match.captured(2);
    const QString fraction = match.captured(3);
    if (integerPart.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    integerPart.remove(QLatin1Char('.'));
    QString plain = match.captured(1) + (integerPart.isEmpty() ? QStringLiteral("0") : integerPart);
    if (!fraction.isEmpty())
        plain += QLatin1Char('.') + fraction;
    if (match.capturedLength(4) > 0)
        plain += QLatin1Char('e') + match.captured(4);
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseInteger(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(2);
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 value = (match.captured(1) + digits).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString formatDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

std::optional<QDate> parseDate(const QString &text)
{
    static const QRegularExpression german(
        QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})?$"));
    static const QRegularExpression shortGerman(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const QString trimmed = text.trimmed();
    int day = 0, month = 0, year = 0;
    QRegularExpressionMatch match = german.match(trimmed);
    if (!match.hasMatch())
        match = shortGerman.match(trimmed);
    if (match.hasMatch()) {
        day = match.captured(1).toInt();
        month = match.captured(2).toInt();
        const QString yearText = match.captured(3);
        if (yearText.isEmpty())
            year = QDate::currentDate().year();
        else if (yearText.size() <= 2)
            year = expandYear(yearText.toInt());
        else if (yearText.size() == 4)
            year = yearText.toInt();
        else
            return std::nullopt;
    } else {
        match = iso.match(trimmed);
        if (!match.hasMatch())
            return std::nullopt;
        year = match.captured(1).toInt();
        month = match.captured(2).toInt();
        day = match.captured(3).toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString formatTime(const QTime &time)
{
    if (!time.isValid())
        return {};
    return time.toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QTime> parseTime(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:[.,](\\d{1,3}))?)?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    int milliseconds = 0;
    if (match.capturedLength(4) > 0) {
        QString fraction = match.captured(4);
        while (fraction.size() < 3)
            fraction += QLatin1Char('0');
        milliseconds = fraction.toInt();
    }
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt(), milliseconds);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString formatDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return {};
    const QTime time = dateTime.time();
    if (time == QTime(0, 0))
        return formatDate(dateTime.date());
    return formatDate(dateTime.date()) + QLatin1Char(' ') + formatTime(time);
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
    const QString t = text.trimmed().toLower();
    static const QStringList yes{QStringLiteral("true"), QStringLiteral("wahr"), QStringLiteral("ja"),
                                 QStringLiteral("j"), QStringLiteral("t"), QStringLiteral("y"),
                                 QStringLiteral("yes"), QStringLiteral("1")};
    static const QStringList no{QStringLiteral("false"), QStringLiteral("falsch"), QStringLiteral("nein"),
                                QStringLiteral("n"), QStringLiteral("f"), QStringLiteral("no"),
                                QStringLiteral("0")};
    if (yes.contains(t))
        return true;
    if (no.contains(t))
        return false;
    return std::nullopt;
}

} // namespace db
