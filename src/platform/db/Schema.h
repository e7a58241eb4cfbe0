#pragma once

#include "TableDef.h"

#include <QList>
#include <QString>

namespace db {

// The catalogue of every declared table. Each subsystem folder registers its
// layouts in its tabellenAnmelden() (see TableDef.h for how a layout is
// declared); creating a new data store creates them all.
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

