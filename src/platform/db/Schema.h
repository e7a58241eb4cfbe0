#pragma once

#include "TableDef.h"

#include <QList>
#include <QString>

namespace db {

// The catalogue of every declared table. Subsystems register their layouts
// once at start-up (see RAZAZU_REGISTER_TABLE); creating a new data store
// creates them all.
class Schema
{
public:
    // alias: the database alias the table lives in ("Z_Tavero", "Razazu").
    static void registerTable(const QString &alias, const TableDef &def);
    // The declared layout; nullptr when the table is not declared.
    static const TableDef *find(const QString &tableName);
    static QList<TableDef> tablesOf(const QString &alias);
};

} // namespace db

// Registers a table layout at static initialisation:
//   RAZAZU_REGISTER_TABLE(S_PARAME, "Z_Tavero", makeParameterTable())
#define RAZAZU_REGISTER_TABLE(id, alias, def)                                 \
    namespace {                                                             \
    const bool registered_##id = (::db::Schema::registerTable(alias, def), true); \
    }
