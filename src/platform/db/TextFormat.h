#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

namespace db {

// The program's regional settings, German whatever the machine's locale:
// decimal comma, dates dd.mm.yyyy, times hh:mm:ss. Fields use these for their
// text forms; other code may use them for text that stands for a number or a
// date (text fields holding amounts, typed input). They are sys::german's,
// plus the forms the store and other programs write (ISO dates, times with
// milliseconds) and the field-only texts (fixed decimals, truth values).

// Two-digit years are read through sys::german's window.

// Shortest text with up to 15 significant digits: "3,75", "1E20".
QString formatNumber(double value);
// Fixed decimals with thousands separators: "1.234,50".
QString formatFixed(double value, int decimals);
// "-1.234,5", "3,75", "1E5"; thousands separators only in groups of three.
std::optional<double> parseNumber(const QString &text);
std::optional<qint64> parseInteger(const QString &text);

QString formatDate(const QDate &date);                 // "05.03.2024"
// "5.3.2024", "05.03.24", "5.3." (current year), "5/3/2024", "2024-03-05".
std::optional<QDate> parseDate(const QString &text);
QString formatTime(const QTime &time);                 // "14:05:09"
std::optional<QTime> parseTime(const QString &text);   // "14:05", "14:05:09", "14:05:09.123"
// "05.03.2024 14:05:09"; the time is left out at midnight.
QString formatDateTime(const QDateTime &dateTime);
std::optional<QDateTime> parseDateTime(const QString &text);

QString formatBoolean(bool value);                     // "True" / "False"
// sys::german::parseBoolean.
std::optional<bool> parseBoolean(const QString &text);

} // namespace db
