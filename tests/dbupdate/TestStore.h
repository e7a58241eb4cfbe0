#pragma once

#include "support/PgTestSchema.h"
#include "support/TempFolder.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/TableDef.h"

#include <QString>
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
    explicit TestStore(Backend backend = Backend::SQLite)
    {
        if (backend == Backend::PostgreSQL)
            schema_ = pgTestSchema(data, QStringLiteral("upd_"));
        database = std::make_unique<db::Database>(QStringLiteral("Z_Tavero"));
        database->setPath(data.path());
        database->open();
    }

    ~TestStore()
    {
        dropPgTestSchema(*database, schema_);
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
