#pragma once

#include "TableDef.h"

#include <QHash>
#include <QString>

namespace db {

class Database;

// Structural changes of an existing table. Each call is atomic: it completes,
// or the table keeps all its fields and records as they were. Values are
// converted to the new types (text that is no number becomes null).

// position: index in the field list; -1 appends.
void addField(Database &database, const QString &tableName, const FieldDef &field,
              int position = -1);
void dropField(Database &database, const QString &tableName, const QString &fieldName);
void renameField(Database &database, const QString &tableName, const QString &oldName,
                 const QString &newName);
void alterField(Database &database, const QString &tableName, const QString &fieldName,
                const FieldDef &newDefinition);
void createIndex(Database &database, const QString &tableName, const IndexDef &index);
void dropIndex(Database &database, const QString &tableName, const QString &indexName);

// The general case: rebuild the table with a new layout, copying each field
// of the new layout from the old field of the same name (or the one named in
// sourceFieldOf), converting values.
void restructure(Database &database, const QString &tableName, const TableDef &newLayout,
                 const QHash<QString, QString> &sourceFieldOf = {});

} // namespace db
