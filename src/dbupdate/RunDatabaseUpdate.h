#pragma once

#include <QString>

namespace dbupdate {

// The data-store update of the start-up, run when "Aenderung.txt" lies in the
// program folder: rebuilds the indexes of the goods-number table, then shows
// the update dialog. True when the dialog ended with OK; only then may the
// start-up delete "Aenderung.txt". An error while rebuilding the indexes
// reaches the caller (db::DatabaseError) and the dialog is not shown; a
// change list that cannot be read is reported to the clerk and gives false.
bool RunDatabaseUpdate(const QString &programmVerzeichnis, const QString &datenVerzeichnis);

} // namespace dbupdate
