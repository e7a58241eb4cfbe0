#pragma once

#include "platform/db/TableDef.h"

#include <QVariant>

namespace db {
class Database;
}

// Inside platform/db: what restructuring and batch moves share when they
// copy records from one table into another.
namespace db::store {

// value as Field::value() gives it for a field of type from. Returns what a
// field of type to holds for it: text that is no number, date or truth
// value becomes null, as does a number outside the target's range; alpha
// text is cut to the field's size. Invalid QVariant stands for null.
QVariant convertFieldValue(const QVariant &value, const FieldDef &from, const FieldDef &to);

// True when the store holds values of from exactly as to needs them, so
// they can be copied inside the store without looking at each.
bool copiesUnchanged(const FieldDef &from, const FieldDef &to);

// The value as the store keeps it in field fieldIndex of def: an empty alpha
// key is "" there, since a key column holds no null.
QVariant storedForm(const TableDef &def, int fieldIndex, const QVariant &value);

// PostgreSQL: identity columns (AutoInc fields, the row number of tables
// without key) go on after the highest value copied into them.
void advanceIdentitySequences(Database &database, const TableDef &def);

} // namespace db::store
