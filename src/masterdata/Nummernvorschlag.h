#pragma once

#include <QString>

namespace db {
class Database;
}

namespace masterdata {

// The highest whole number among a field's values over the whole table (no
// filter, no range), 0 for an empty table. Text keys count by their number,
// not their text order ("10" above "9"); a value that is no whole number
// (empty, letters, blanks inside) is skipped, so one odd key never stops a
// proposal.
qint64 hoechsteNummer(db::Database &datenbank, const QString &tabelle, const QString &feld);

// The proposal for a new record: the highest number plus one.
qint64 naechsteNummer(db::Database &datenbank, const QString &tabelle, const QString &feld);

} // namespace masterdata
