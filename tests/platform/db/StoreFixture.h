#pragma once

#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/db/TableDef.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

// Runs a test on a fresh SQLite store, and again on PostgreSQL when
// RAZAZU_TEST_PG names a server ("host=... port=... database=... user=...").
// Each PostgreSQL run works in a schema of its own, dropped afterwards, so
// test processes may run side by side.
enum class StoreKind { SQLite, PostgreSQL };

// Belege: BelegNr (Long, key), Datum, Name (Alpha 30, index iName
// case-insensitive), Betrag (Money), Menge (Number), Aktiv (Logical).
db::TableDef belegeDef();
// Positionen: BelegNr, Pos (key), Text (Alpha 20).
db::TableDef positionenDef();

std::string storeKindName(const testing::TestParamInfo<StoreKind> &info);

class StoreTest : public testing::TestWithParam<StoreKind>
{
protected:
    void SetUp() override;
    void TearDown() override;

    db::Database &database() { return *database_; }
    QString folder() const { return folder_->path(); }
    bool onPostgres() const { return GetParam() == StoreKind::PostgreSQL; }

    // Writes the connection file that makes `alias` in `path` a PostgreSQL
    // store with a schema of its own (when the test runs on PostgreSQL).
    void prepareFolder(const QString &path, const QString &alias);
    // A second connection to the same store, as another workstation has it.
    std::unique_ptr<db::Database> secondConnection();

    void createBelege(int count);   // BelegNr 1..count, Name "Name<n>"
    void insertBeleg(int nr, const QString &name, double betrag = 0);

private:
    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<db::Database> database_;
    QStringList schemas_;
};

#define RAZAZU_STORE_TESTS(Suite)                                                              \
    INSTANTIATE_TEST_SUITE_P(Stores, Suite,                                                    \
                             testing::Values(StoreKind::SQLite, StoreKind::PostgreSQL), storeKindName)
