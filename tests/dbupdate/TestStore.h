#pragma once

#include "support/TempFolder.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/TableDef.h"

#include <QFile>
#include <QString>
#include <QUuid>
#include <gtest/gtest.h>
#include <memory>

// A data directory with its store, on SQLite or, when RAZAZU_TEST_PG names a
// server ("host=... port=... database=... user=..."), on PostgreSQL in a
// schema of its own that goes when the store does.
enum class Backend { SQLite, PostgreSQL };

inline std::string backendName(const testing::TestParamInfo<Backend> &info)
{
    return info.param == Backend::SQLite ? "SQLite" : "PostgreSQL";
}

class TestStore
{
public:
    explicit TestStore(Backend backend = Backend::SQLite) : backend_(backend)
    {
        if (backend == Backend::PostgreSQL) {
            QStringList lines = qEnvironmentVariable("RAZAZU_TEST_PG").split(u' ', Qt::SkipEmptyParts);
            schema_ = QStringLiteral("upd_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            lines << QStringLiteral("schema=") + schema_;
            QFile file(data.file(QStringLiteral("Z_Tavero.pg")));
            file.open(QIODevice::WriteOnly);
            file.write(lines.join(u'\n').toUtf8());
        }
        database = std::make_unique<db::Database>(QStringLiteral("Z_Tavero"));
        database->setPath(data.path());
        database->open();
    }

    ~TestStore()
    {
        if (backend_ == Backend::PostgreSQL && database->isOpen()) {
            try {
                database->execute(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(database->quote(schema_)));
            } catch (...) {
            }
        }
        database.reset();
    }

    static bool available(Backend backend)
    {
        return backend == Backend::SQLite || !qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG");
    }

    db::Database &db() { return *database; }

    // Fills Nr with 1 .. rows and Name with "Name <Nr>" in one statement.
    void fill(const QString &table, int rows)
    {
        database->execute(QStringLiteral("INSERT INTO %1 (\"Nr\", \"Name\") WITH RECURSIVE n(i) AS "
                                         "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                                         "SELECT i, 'Name ' || i FROM n")
                              .arg(database->quote(table))
                              .arg(rows));
    }

    int count(const QString &table)
    {
        return db::Query::scalar(*database, QStringLiteral("SELECT COUNT(*) FROM %1").arg(database->quote(table)))
            .toInt();
    }

    TempFolder data;
    std::unique_ptr<db::Database> database;

private:
    Backend backend_;
    QString schema_;
};


// A customer table as the update meets it: key Nr, a name, a number field.
inline db::TableDef kundenTabelle(const QString &name = QStringLiteral("S_KUNDEN"))
{
    using namespace Qt::StringLiterals;
    using enum db::FieldType;
    return {
        .name = name,
        .fields = {
            {u"Nr"_s, Long},
            {u"Name"_s, Alpha, 30},
            {u"Umsatz"_s, Number},
            {u"Notiz"_s, Memo},
        },
        .primaryKey = {u"Nr"_s},
    };
}
