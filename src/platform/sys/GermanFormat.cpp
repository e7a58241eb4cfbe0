#include "GermanFormat.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>

namespace sys::german {

namespace {

std::atomic<int> yearWindow{10};

const char *const dayNames[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
const char *const shortDayNames[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const char *const monthNames[] = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                                  "Juli", "August", "September", "Oktober", "November", "Dezember"};
const char *const shortMonthNames[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Exponent as the old library wrote it: "E20", "E-5".
QString germanExponent(const QString &cText)
{
    const int e = cText.indexOf(QLatin1Char('e'));
    if (e < 0)
        return QString(cText).replace(QLatin1Char('.'), QLatin1Char(','));
    QString mantissa = cText.left(e).replace(QLatin1Char('.'), QLatin1Char(','));
    const int exponent = cText.mid(e + 1).toInt();
    return mantissa + QLatin1Char('E') + QString::number(exponent);
}

QString groupThousands(const QString &digits)
{
    QString grouped;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += QLatin1Char('.');
        grouped += digits.at(i);
    }
    return grouped;
}

} // namespace

QString formatNumber(double value, int decimals, bool grouping)
{
    QString text;
    if (decimals < 0)
        text = germanExponent(QString::number(value, 'g', 15));
    else
        text = QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
    if (text == QLatin1String("-0") || text.startsWith(QLatin1String("-0,"))) {
        // No "-0,00" for a value that rounds to zero.
        bool allZero = true;
        for (QChar c : text.mid(1))
            allZero = allZero && (c == QLatin1Char('0') || c == QLatin1Char(','));
        if (allZero)
            text.remove(0, 1);
    }
    if (!grouping || text.contains(QLatin1Char('E')))
        return text;
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString body = negative ? text.mid(1) : text;
    const int comma = body.indexOf(QLatin1Char(','));
    const QString whole = comma < 0 ? body : body.left(comma);
    const QString rest = comma < 0 ? QString() : body.mid(comma);
    return (negative ? QStringLiteral("-") : QString()) + groupThousands(whole) + rest;
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number in C notation without group dots ("-1.234,5E3" -> "-1234.5e3");
// empty for text that is no number in the German form. Read by hand: this
// runs for every value of an import, where regular expressions cost far
// more than the rest.
QByteArray cNotation(QStringView text, bool allowGrouping, bool integerOnly, QChar decimalSeparator = u',')
{
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            out += '-';
        ++i;
    }
    const qsizetype start = i;
    while (i < n && isDigit(text[i]))
        out += char(text[i++].unicode());
    bool hasDigit = i > start;
    // Group dots: one to three digits, then groups of exactly three.
    if (allowGrouping && i < n && text[i] == QLatin1Char('.')) {
        if (i - start < 1 || i - start > 3)
            return {};
        while (i < n && text[i] == QLatin1Char('.')) {
            ++i;
            for (int k = 0; k < 3; ++k) {
                if (i >= n || !isDigit(text[i]))
                    return {};
                out += char(text[i++].unicode());
            }
        }
        if (i < n && isDigit(text[i]))
            return {};
    }
    if (integerOnly)
        return hasDigit && i == n ? out : QByteArray();
    if (i < n && text[i] == decimalSeparator) {
        out += '.';
        ++i;
        const qsizetype fraction = i;
        while (i < n && isDigit(text[i]))
            out += char(text[i++].unicode());
        hasDigit = hasDigit || i > fraction;
    }
    if (!hasDigit)
        return {};
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            out += char(text[i++].unicode());
        const qsizetype exponent = i;
        while (i < n && isDigit(text[i]))
            out += char(text[i++].unicode());
        if (i == exponent)
            return {};
    }
    return i == n ? out : QByteArray();
}

} // namespace

namespace {

std::optional<double> toDouble(const QByteArray &c)
{
    if (c.isEmpty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(c.constData(), c.constData() + c.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Values too small for a double are zero; too large ones no number.
        bool ok = false;
        value = c.toDouble(&ok);
        if (!ok)
            return std::nullopt;
    } else if (error != std::errc() || end != c.constData() + c.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseNumber(const QString &text, bool allowGrouping)
{
    return toDouble(cNotation(QStringView(text).trimmed(), allowGrouping, false));
}

std::optional<double> parseForeignNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.contains(u','))
        return toDouble(cNotation(trimmed, true, false));
    return toDouble(cNotation(trimmed, false, false, u'.'));
}

std::optional<qint64> parseInteger(const QString &text, bool allowGrouping)
{
    const QByteArray c = cNotation(QStringView(text).trimmed(), allowGrouping, true);
    if (c.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    const auto [end, error] = std::from_chars(c.constData(), c.constData() + c.size(), value);
    if (error != std::errc() || end != c.constData() + c.size())
        return std::nullopt;
    return value;
}

void setTwoDigitYearWindow(int yearsBack)
{
    yearWindow = yearsBack;
}

int twoDigitYearWindow()
{
    return yearWindow;
}

int expandTwoDigitYear(int twoDigitYear, int currentYear)
{
    const int pivot = currentYear - yearWindow;
    int year = twoDigitYear + pivot / 100 * 100;
    if (year < pivot)
        year += 100;
    return year;
}

QString formatDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3").arg(twoDigits(date.day()), twoDigits(date.month()))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString formatTime(const QTime &time)
{
    if (!time.isValid())
        return {};
    return QStringLiteral("%1:%2:%3").arg(twoDigits(time.hour()), twoDigits(time.minute()), twoDigits(time.second()));
}

QString formatDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return {};
    return formatDate(dateTime.date()) + QLatin1Char(' ') + formatTime(dateTime.time());
}

namespace {

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// Day, month and year as matched; a two-digit year through twoDigits.
template <typename TwoDigits>
std::optional<QDate> dateOf(const QRegularExpressionMatch &match, TwoDigits twoDigits)
{
    if (!match.hasMatch())
        return std::nullopt;
    const QString yearText = match.captured(3);
    int year = QDate::currentDate().year();
    if (!yearText.isEmpty()) {
        year = yearText.toInt();
        if (yearText.size() <= 2)
            year = twoDigits(year);
    }
    return validDate(year, match.captured(2).toInt(), match.captured(1).toInt());
}

} // namespace

std::optional<QDate> parseDate(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2})[./](\d{1,2})(?:[./](\d{1,2}|\d{4})?)?$)"));
    const int currentYear = QDate::currentDate().year();
    return dateOf(pattern.match(text.trimmed()),
                  [currentYear](int twoDigits) { return expandTwoDigitYear(twoDigits, currentYear); });
}

std::optional<QDate> parseIsoDate(QStringView text)
{
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    const QRegularExpressionMatch match = iso.match(text.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    return validDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

std::optional<QDate> parseForeignDate(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    static const QRegularExpression dotted(QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{1,2}|\d{4})$)"));
    const QRegularExpressionMatch match = dotted.match(trimmed);
    if (match.hasMatch())
        return dateOf(match, [](int twoDigits) { return twoDigits + (twoDigits < 50 ? 2000 : 1900); });
    static const QRegularExpression compact(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})$)"));
    const QRegularExpressionMatch compactMatch = compact.match(trimmed);
    if (compactMatch.hasMatch())
        return validDate(compactMatch.captured(1).toInt(), compactMatch.captured(2).toInt(),
                         compactMatch.captured(3).toInt());
    return parseIsoDate(trimmed);
}

std::optional<QTime> parseTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?$)"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).isEmpty() ? 0 : match.captured(3).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDateTime> parseDateTime(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2)
        return std::nullopt;
    const auto date = parseDate(parts.at(0));
    if (!date)
        return std::nullopt;
    QTime time(0, 0);
    if (parts.size() == 2) {
        const auto parsed = parseTime(parts.at(1));
        if (!parsed)
            return std::nullopt;
        time = *parsed;
    }
    return QDateTime(*date, time);
}

std::optional<bool> parseBoolean(QStringView text)
{
    static const QStringList yes{QStringLiteral("true"), QStringLiteral("wahr"), QStringLiteral("ja"),
                                 QStringLiteral("j"), QStringLiteral("t"), QStringLiteral("y"),
                                 QStringLiteral("yes"), QStringLiteral("1")};
    static const QStringList no{QStringLiteral("false"), QStringLiteral("falsch"), QStringLiteral("nein"),
                                QStringLiteral("n"), QStringLiteral("f"), QStringLiteral("no"),
                                QStringLiteral("0")};
    const QStringView trimmed = text.trimmed();
    const auto matches = [trimmed](const QString &word) {
        return trimmed.compare(word, Qt::CaseInsensitive) == 0;
    };
    if (std::any_of(yes.begin(), yes.end(), matches))
        return true;
    if (std::any_of(no.begin(), no.end(), matches))
        return false;
    return std::nullopt;
}

QString dayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(dayNames[dayOfWeek - 1]) : QString();
}

QString shortDayName(int dayOfWeek)
{
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(shortDayNames[dayOfWeek - 1]) : QString();
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf8(monthNames[month - 1]) : QString();
}

QString shortMonthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf8(shortMonthNames[month - 1]) : QString();
}

QString formatPattern(const QString &pattern, const QDateTime &dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    QString out;
    bool afterHour = false;
    int i = 0;
    const int n = pattern.size();
    auto runLength = [&](QChar letter, int max) {
        int count = 0;
        while (i + count < n && pattern.at(i + count).toLower() == letter && count < max)
            ++count;
        return count;
    };
    while (i < n) {
        const QChar c = pattern.at(i);
        const QChar lower = c.toLower();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int end = pattern.indexOf(c, i + 1);
            const int stop = end < 0 ? n : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lower == QLatin1Char('d')) {
            const int count = runLength(lower, 6);
            switch (count) {
            case 1: out += QString::number(date.day()); break;
            case 2: out += twoDigits(date.day()); break;
            case 3: out += shortDayName(date.dayOfWeek()); break;
            case 4: out += dayName(date.dayOfWeek()); break;
            case 5: out += formatDate(date); break;
            default:
                out += dayName(date.dayOfWeek()) + QStringLiteral(", ") + QString::number(date.day())
                    + QStringLiteral(". ") + monthName(date.month()) + QLatin1Char(' ') + QString::number(date.year());
            }
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('m')) {
            const int count = runLength(lower, afterHour ? 2 : 4);
            if (afterHour)
                out += count == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            else if (count == 1)
                out += QString::number(date.month());
            else if (count == 2)
                out += twoDigits(date.month());
            else if (count == 3)
                out += shortMonthName(date.month());
            else
                out += monthName(date.month());
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('y')) {
            const int count = runLength(lower, 4);
            if (count <= 2)
                out += twoDigits(date.year() % 100);
            else
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('h')) {
            const int count = runLength(lower, 2);
            out += count == 1 ? QString::number(time.hour()) : twoDigits(time.hour());
            i += count;
            afterHour = true;
        } else if (lower == QLatin1Char('n') || lower == QLatin1Char('s')) {
            const int count = runLength(lower, 2);
            const int value = lower == QLatin1Char('n') ? time.minute() : time.second();
            out += count == 1 ? QString::number(value) : twoDigits(value);
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('z')) {
            const int count = runLength(lower, 3);
            out += count == 1 ? QString::number(time.msec()) : QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('t')) {
            const int count = runLength(lower, 2);
            out += twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute());
            if (count == 2)
                out += QLatin1Char(':') + twoDigits(time.second());
            i += count;
            afterHour = false;
        } else if (lower == QLatin1Char('c')) {
            out += formatDate(date) + QLatin1Char(' ') + formatTime(time);
            ++i;
            afterHour = false;
        } else if (c == QLatin1Char('/')) {
            out += QLatin1Char('.');
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace sys::german
