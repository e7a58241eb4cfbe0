#pragma once

#include "support/TempFolder.h"

#include "platform/db/Database.h"

#include <QFile>
#include <QStringList>
#include <QUuid>

// Points the store of `folder` at a schema of its own on the PostgreSQL
// server RAZAZU_TEST_PG names ("host=... port=... database=... user=...");
// answers the schema's name.
inline QString pgTestSchema(const TempFolder &folder, const QString &prefix)
{
    QStringList lines = qEnvironmentVariable("RAZAZU_TEST_PG").split(u' ', Qt::SkipEmptyParts);
    const QString schema = prefix + QUuid::createUuid().toString(QUuid::Id128).left(12);
    lines << QStringLiteral("schema=") + schema;
    QFile file(folder.file(QStringLiteral("Z_Tavero.pg")));
    file.open(QIODevice::WriteOnly);
    file.write(lines.join(u'\n').toUtf8());
    return schema;
}

// Drops that schema with everything in it; a store already gone is no error.
inline void dropPgTestSchema(db::Database &database, const QString &schema)
{
    if (schema.isEmpty() || !database.isOpen())
        return;
    try {
        database.execute(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(database.quote(schema)));
    } catch (...) {
    }
}
