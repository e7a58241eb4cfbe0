// Restructuring a table of a million rows, against the store's own fastest
// way to make the same change:
//  - adding a field: SQLite's ALTER TABLE ADD COLUMN;
//  - changing a field's size (no ALTER for that): a copy into a new table.
#include "dbupdate/TRestructure.h"

#include "platform/db/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int rows = 1000000;

struct Store
{
    QTemporaryDir folder;
    db::Database database{QStringLiteral("Z_Tavero")};

    Store()
    {
        database.setPath(folder.path());
        database.open();
    }

    // Once per table; repetitions of a benchmark go on with it.
    void createTable(const QString &name)
    {
        if (database.tableExists(name))
            return;
        db::TableDef def;
        def.name = name;
        def.fields = {{QStringLiteral("Nr"), db::FieldType::Long},
                      {QStringLiteral("Name"), db::FieldType::Alpha, 30},
                      {QStringLiteral("Umsatz"), db::FieldType::Number}};
        def.primaryKey = {QStringLiteral("Nr")};
        database.createTable(def);
        database.execute(QStringLiteral("INSERT INTO %1 (\"Nr\", \"Name\", \"Umsatz\") WITH RECURSIVE n(i) AS "
                                        "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                                        "SELECT i, 'Name ' || i, i * 1.5 FROM n")
                             .arg(database.quote(name))
                             .arg(rows));
    }
};

Store &store()
{
    static Store instance;
    return instance;
}

void BM_AddField_TRestructure(benchmark::State &state)
{
    store().createTable(QStringLiteral("S_ADD1"));
    static int number = 0;
    for (auto _ : state) {
        dbupdate::TRestructure restructure(store().database);
        restructure.setTableName(QStringLiteral("S_ADD1.DB"));
        restructure.Field = {QStringLiteral("Feld%1").arg(++number), dbupdate::TdBasePxFieldType::pxAlpha, 20, 0};
        restructure.AddField(false);
        restructure.Execute();
    }
}
BENCHMARK(BM_AddField_TRestructure)->Unit(benchmark::kMillisecond)->Iterations(100);

// The part of adding a field that reads the table's layout from the store.
void BM_LoadDescription(benchmark::State &state)
{
    for (auto _ : state) {
        store().database.forgetLayouts();
        dbupdate::TRestructure restructure(store().database);
        restructure.setTableName(QStringLiteral("S_ADD1.DB"));
    }
}
BENCHMARK(BM_LoadDescription)->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_AddField_AlterTable(benchmark::State &state)
{
    store().createTable(QStringLiteral("S_ADD2"));
    static int number = 0;
    for (auto _ : state)
        store().database.execute(QStringLiteral("ALTER TABLE \"S_ADD2\" ADD COLUMN \"Feld%1\" VARCHAR(20)").arg(++number));
}
BENCHMARK(BM_AddField_AlterTable)->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_ResizeField_TRestructure(benchmark::State &state)
{
    store().createTable(QStringLiteral("S_SIZE1"));
    static int length = 30;
    for (auto _ : state) {
        dbupdate::TRestructure restructure(store().database);
        restructure.setTableName(QStringLiteral("S_SIZE1.DB"));
        restructure.GetFieldDesc(2);
        restructure.Field.Length = quint16(++length);
        restructure.ModifyField(2, false);
        restructure.Execute();
    }
}
BENCHMARK(BM_ResizeField_TRestructure)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ResizeField_CopyIntoNewTable(benchmark::State &state)
{
    store().createTable(QStringLiteral("S_SIZE2"));
    db::Database &database = store().database;
    static int length = 30;
    for (auto _ : state) {
        database.beginTransaction();
        database.execute(QStringLiteral("CREATE TABLE \"S_SIZE2_NEU\" (\"Nr\" INTEGER NOT NULL, \"Name\" VARCHAR(%1),"
                                        " \"Umsatz\" DOUBLE, PRIMARY KEY (\"Nr\"))")
                             .arg(++length));
        database.execute(QStringLiteral("INSERT INTO \"S_SIZE2_NEU\" SELECT \"Nr\", \"Name\", \"Umsatz\" FROM \"S_SIZE2\""));
        database.execute(QStringLiteral("DROP TABLE \"S_SIZE2\""));
        database.execute(QStringLiteral("ALTER TABLE \"S_SIZE2_NEU\" RENAME TO \"S_SIZE2\""));
        database.commit();
    }
}
BENCHMARK(BM_ResizeField_CopyIntoNewTable)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
