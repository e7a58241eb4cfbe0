#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

// Number and date text in the program's regional settings, which are German
// whatever the machine's locale: decimal comma, dates dd.mm.yyyy, German day
// and month names.
namespace sys::german {

// "1234,5"; with decimals >= 0 exactly that many places ("1234,50").
// grouping adds thousands dots ("1.234,50").
QString formatNumber(double value, int decimals = -1, bool grouping = false);
// Accepts "1234,5", "-0,25", "1.234,50" (dots only in groups of three when
// grouping is allowed), "1,5E3"; surrounding blanks are ignored. nullopt for
// anything else, also for an empty text.
// Values beyond a double's range are no number either.
std::optional<double> parseNumber(const QString &text, bool allowGrouping = true);
// "42", " -7 "; with grouping also "1.234" (dots only in groups of three).
std::optional<qint64> parseInteger(const QString &text, bool allowGrouping = false);
// Numbers as other programs write them in files: with a decimal comma as
// parseNumber reads them ("1.234,5"), without one a dot is the decimal point
// ("1234.5", "-0.25", "1e-3").
std::optional<double> parseForeignNumber(QStringView text);

// Two-digit years are read in the hundred-year span that begins this many
// years before the current year (10: in 2026 the span is 2016..2115; 0: it
// begins with the current year).
void setTwoDigitYearWindow(int yearsBack);
int twoDigitYearWindow();
// The full year for a two-digit year, relative to the given current year.
int expandTwoDigitYear(int twoDigitYear, int currentYear);

// "dd.mm.yyyy"; empty for an invalid date.
QString formatDate(const QDate &date);
// "dd.mm.yyyy hh:mm:ss"
QString formatDateTime(const QDateTime &dateTime);
// "hh:mm:ss"
QString formatTime(const QTime &time);

// "1.2.2026", "01.02.26", "1.2." (current year), also "/" between the parts;
// two-digit years through the window above. nullopt for text that is no
// valid date.
std::optional<QDate> parseDate(const QString &text);
std::optional<QTime> parseTime(const QString &text);
// A date, optionally followed by a blank and a time.
std::optional<QDateTime> parseDateTime(const QString &text);
// "2024-03-05", as the store and other programs write dates.
std::optional<QDate> parseIsoDate(QStringView text);
// Dates as other programs write them in files: "31.12.2024", "31.12.24"
// (two-digit years 1950..2049, whatever the window), ISO, "20241231".
// Stricter than parseDate: no "/" and no missing year, which another program
// may mean otherwise.
std::optional<QDate> parseForeignDate(QStringView text);

// True/False, Wahr/Falsch, Ja/Nein, J/N, T/F, Y/N, Yes/No, 1/0, without
// regard to case; nullopt for anything else.
std::optional<bool> parseBoolean(QStringView text);

QString dayName(int dayOfWeek);          // 1 = "Montag"
QString shortDayName(int dayOfWeek);     // 1 = "Mo"
QString monthName(int month);            // 1 = "Januar"
QString shortMonthName(int month);       // 1 = "Jan"

// The old library's date-time patterns, as the forms give them:
// d dd ddd dddd, m mm mmm mmmm (minutes right after h/hh), yy yyyy, h hh,
// n nn, s ss, z zzz, "ddddd" (short date), '...' and "..." literal text,
// '/' date separator ('.'), ':' time separator. Letters are case-insensitive.
// Example: "dddd 'den' dd. mmmm yyyy, hh:nn:ss".
QString formatPattern(const QString &pattern, const QDateTime &dateTime);

} // namespace sys::german
