#pragma once

// A temporary data store under the alias Z_Tavero the registers open: a
// fresh folder on SQLite, or a schema of its own on the PostgreSQL server
// RAZAZU_TEST_PG names, dropped again at the end.

#include "platform/db/Database.h"
#include "support/PgTestSchema.h"

#include <gtest/gtest.h>

enum class Speicher { SQLite, PostgreSQL };

inline std::string speicherName(const testing::TestParamInfo<Speicher> &info)
{
    return info.param == Speicher::SQLite ? "SQLite" : "PostgreSQL";
}

struct Testspeicher
{
    // ordnerPfad: an existing store to open as it is (a child process's).
    explicit Testspeicher(Speicher speicher, const QString &ordnerPfad = {})
        : datenbank(db::Database::alias(QStringLiteral("Z_Tavero")))
    {
        if (speicher == Speicher::PostgreSQL && ordnerPfad.isEmpty())
            schema = pgTestSchema(ordner, QStringLiteral("t_"));
        datenbank.setPath(ordnerPfad.isEmpty() ? ordner.path() : ordnerPfad);
        datenbank.open();
    }
    ~Testspeicher()
    {
        dropPgTestSchema(datenbank, schema);
        datenbank.close();
    }
    Testspeicher(const Testspeicher &) = delete;
    Testspeicher &operator=(const Testspeicher &) = delete;

    TempFolder ordner;
    QString schema;
    db::Database &datenbank;
};

// A test suite over both stores; the PostgreSQL half is skipped without a
// server. Daten: the family's store (constructed from a Speicher).
template<typename Daten>
class SpeicherTest : public testing::TestWithParam<Speicher>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Speicher::PostgreSQL && qEnvironmentVariableIsEmpty("RAZAZU_TEST_PG"))
            GTEST_SKIP() << "RAZAZU_TEST_PG not set";
        daten = std::make_unique<Daten>(GetParam());
    }
    void TearDown() override { daten.reset(); }

    std::unique_ptr<Daten> daten;
};

#define SPEICHER_TESTS(Suite) \
    INSTANTIATE_TEST_SUITE_P(Speicher, Suite, testing::Values(Speicher::SQLite, Speicher::PostgreSQL), speicherName)
