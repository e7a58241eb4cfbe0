#pragma once

#include "platform/db/TableDef.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

namespace files {

// Values as the text formats carry them, in the system's German regional
// settings: decimal comma, dates dd.mm.yyyy, logical "T"/"F" in text tables.
// Reading is lenient where a foreign program may differ: a decimal point,
// ISO dates, "Wahr"/"Falsch", "J"/"N" and the like.
namespace valuetext {

// General format, up to 15 significant digits, no thousands separators, no
// trailing zeros: 1234,5
QString formatNumber(double value);
std::optional<double> parseNumber(QStringView text);
std::optional<qint64> parseInteger(QStringView text);

QString formatDate(const QDate &date);                 // 31.12.2024
std::optional<QDate> parseDate(QStringView text);
QString formatTime(const QTime &time);                 // 23:59:58
std::optional<QTime> parseTime(QStringView text);
QString formatTimestamp(const QDateTime &timestamp);   // 31.12.2024 23:59:58
std::optional<QDateTime> parseTimestamp(QStringView text);
std::optional<bool> parseLogical(QStringView text);

// Text of a value of the given type for a text file ("" for null).
QString format(const QVariant &value, db::FieldType type);
// The value of text read for a field of the given type: null for blank
// text, std::nullopt when the text is no value of that type.
std::optional<QVariant> parse(QStringView text, db::FieldType type);

// Number of decimals the general format of value shows.
int decimalsOf(double value);

} // namespace valuetext
} // namespace files
