#pragma once

#include "StoreStatement.h"
#include "platform/db/TableDef.h"

#include <QString>
#include <QStringList>

namespace db {
class Database;
}

// Inside platform/db: the SQL that creates tables and indexes, and the
// reading of a table's layout back from the store's own catalogue.
namespace db::store {

QString quoteIdentifier(const QString &name);
QString columnType(Dialect dialect, const FieldDef &field);
QString columnDefinition(Dialect dialect, const FieldDef &field, bool notNull);
// The index's name in the store: index names are per schema there, so the
// table's name goes in front ("EINHEIT.iBez").
QString indexStoreName(const QString &tableName, const QString &indexName);
// CREATE TABLE followed by the CREATE INDEX statements.
QStringList createTableSql(Dialect dialect, const TableDef &def);
QString createIndexSql(Dialect dialect, const TableDef &def, const IndexDef &index);
bool isKeyField(const TableDef &def, int fieldIndex);
// A field that may hold null (sorts first).
bool isNullable(const TableDef &def, int fieldIndex);
bool isTextType(FieldType type);
// On SQLite a single Long key is the rowid itself; secondary indexes then
// carry it without being told.
bool keyIsRowId(Dialect dialect, const TableDef &def);

struct StoredLayout
{
    TableDef def;
    bool rowIdColumn = false;   // the hidden row number of tables without key
};

QStringList readTableNames(Database &database, Dialect dialect);
StoredLayout readLayout(Database &database, Dialect dialect, const QString &storeName);

} // namespace db::store
