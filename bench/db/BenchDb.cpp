// The data-store layer against the raw SQLite C API, in one run on one file:
// opening a large table, key lookups, a full scan, bulk appends, a prefix
// filter, adding a field, and the peak memory of scanning a million rows.
// Where RAZAZU_TEST_PG names a server, the same against raw libpq there
// (BenchPostgres.cpp).
#include "../MemoryProbe.h"
#include "BenchPostgres.h"
#include "BenchRows.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Restructure.h"
#include "platform/db/Table.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace db;
using namespace bench;

namespace {

void check(int rc, sqlite3 *handle, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(handle));
}

void exec(sqlite3 *handle, const std::string &sql)
{
    check(sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr), handle, sql.c_str());
}

sqlite3_stmt *prepare(sqlite3 *handle, const std::string &sql)
{
    sqlite3_stmt *statement = nullptr;
    check(sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr), handle, sql.c_str());
    return statement;
}

void bindRow(sqlite3_stmt *insert, int n)
{
    const RowText row = rowValues(n);
    sqlite3_bind_int(insert, 1, n);
    sqlite3_bind_text(insert, 2, row.name, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, row.town, -1, SQLITE_STATIC);
    sqlite3_bind_double(insert, 4, row.amount);
    sqlite3_bind_text(insert, 5, row.date, -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 6, row.quantity);
}

void fillRaw(sqlite3 *handle, const char *table, int rows)
{
    exec(handle, "BEGIN");
    sqlite3_stmt *insert = prepare(handle, std::string("INSERT INTO \"") + table + "\" (" + columns
                                               + ") VALUES (?, ?, ?, ?, ?, ?)");
    for (int n = 1; n <= rows; ++n) {
        bindRow(insert, n);
        check(sqlite3_step(insert), handle, "insert");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(handle, "COMMIT");
}

// Reads a row the way a caller of the raw API would: each column by its type.
void consumeRaw(sqlite3_stmt *statement)
{
    benchmark::DoNotOptimize(sqlite3_column_int(statement, 0));
    benchmark::DoNotOptimize(sqlite3_column_text(statement, 1));
    benchmark::DoNotOptimize(sqlite3_column_bytes(statement, 1));
    benchmark::DoNotOptimize(sqlite3_column_text(statement, 2));
    benchmark::DoNotOptimize(sqlite3_column_bytes(statement, 2));
    benchmark::DoNotOptimize(sqlite3_column_double(statement, 3));
    benchmark::DoNotOptimize(sqlite3_column_text(statement, 4));
    benchmark::DoNotOptimize(sqlite3_column_int(statement, 5));
}

// The store every benchmark works on, built once per run.
struct Store
{
    QTemporaryDir folder;
    std::unique_ptr<Database> database;
    sqlite3 *raw = nullptr;

    Store()
    {
        if (!folder.isValid())
            throw std::runtime_error("no temporary folder");
        database = std::make_unique<Database>(alias);
        database->setPath(folder.path());
        database->open();
        for (const char *name : {"Gross", "Klein", "Mittel", "Umbau", "RohUmbau"})
            database->createTable(layout(QString::fromLatin1(name)));
        database->createTable(layout(QStringLiteral("Neu")));
        database->createTable(layout(QStringLiteral("RohNeu")));
        check(sqlite3_open_v2(fileName().toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr), raw, "open");
        // The settings of the layer's own connection, whatever they are: what
        // differs between the two is the layer.
        for (const char *setting : {"synchronous", "cache_size", "mmap_size", "temp_store"}) {
            const QVariant value = Query::scalar(*database, QStringLiteral("PRAGMA %1").arg(QLatin1String(setting)));
            exec(raw, std::string("PRAGMA ") + setting + " = " + value.toString().toStdString());
        }
        fillRaw(raw, "Gross", bigRows);
        fillRaw(raw, "Klein", smallRows);
        fillRaw(raw, "Mittel", filterRows);
        fillRaw(raw, "Umbau", bigRows);
        fillRaw(raw, "RohUmbau", bigRows);
        database->forgetLayouts();
    }

    ~Store()
    {
        sqlite3_close_v2(raw);
        database.reset();
    }

    QString fileName() const { return folder.filePath(alias + QStringLiteral(".sqlite")); }
};

Store &store()
{
    static Store instance;
    return instance;
}

// --- opening a table and reading its first 50 rows

void BM_Layer_OpenFirst50(benchmark::State &state, const char *tableName)
{
    Database &database = *store().database;
    for (auto _ : state) {
        Table table(database, QString::fromLatin1(tableName));
        table.open();
        for (int i = 0; i < 50 && !table.eof(); ++i, table.next())
            consumeLayer(table);
        table.close();
    }
}
BENCHMARK_CAPTURE(BM_Layer_OpenFirst50, 1M_rows, "Gross")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Layer_OpenFirst50, 1k_rows, "Klein")->Unit(benchmark::kMicrosecond);

void BM_Raw_OpenFirst50(benchmark::State &state, const char *tableName)
{
    sqlite3 *raw = store().raw;
    const std::string sql = std::string("SELECT ") + columns + " FROM \"" + tableName + "\" ORDER BY \"Nr\" LIMIT 50";
    for (auto _ : state) {
        sqlite3_stmt *statement = prepare(raw, sql);
        while (sqlite3_step(statement) == SQLITE_ROW)
            consumeRaw(statement);
        sqlite3_finalize(statement);
    }
}
BENCHMARK_CAPTURE(BM_Raw_OpenFirst50, 1M_rows, "Gross")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Raw_OpenFirst50, 1k_rows, "Klein")->Unit(benchmark::kMicrosecond);

// --- findKey on random keys

void BM_Layer_FindKey(benchmark::State &state)
{
    Table table(*store().database, QStringLiteral("Gross"));
    table.open();
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> key(1, bigRows);
    for (auto _ : state) {
        if (!table.findKey({key(random)}))
            state.SkipWithError("key not found");
        consumeLayer(table);
    }
}
BENCHMARK(BM_Layer_FindKey)->Unit(benchmark::kMicrosecond);

void BM_Raw_FindKey(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    sqlite3_stmt *lookup = prepare(raw, std::string("SELECT ") + columns + " FROM \"Gross\" WHERE \"Nr\" = ?");
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> key(1, bigRows);
    for (auto _ : state) {
        sqlite3_bind_int(lookup, 1, key(random));
        if (sqlite3_step(lookup) != SQLITE_ROW)
            state.SkipWithError("key not found");
        consumeRaw(lookup);
        sqlite3_reset(lookup);
    }
    sqlite3_finalize(lookup);
}
BENCHMARK(BM_Raw_FindKey)->Unit(benchmark::kMicrosecond);

// --- a full scan of the million rows

void BM_Layer_Scan1M(benchmark::State &state)
{
    Table table(*store().database, QStringLiteral("Gross"));
    table.open();
    for (auto _ : state) {
        int rows = 0;
        for (table.first(); !table.eof(); table.next()) {
            consumeLayer(table);
            ++rows;
        }
        if (rows != bigRows)
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * bigRows);
}
BENCHMARK(BM_Layer_Scan1M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Raw_Scan1M(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    for (auto _ : state) {
        sqlite3_stmt *scan = prepare(raw, std::string("SELECT ") + columns + " FROM \"Gross\" ORDER BY \"Nr\"");
        int rows = 0;
        while (sqlite3_step(scan) == SQLITE_ROW) {
            consumeRaw(scan);
            ++rows;
        }
        sqlite3_finalize(scan);
        if (rows != bigRows)
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * bigRows);
}
BENCHMARK(BM_Raw_Scan1M)->Unit(benchmark::kMillisecond)->Iterations(3);

// --- 100,000 appends in one transaction

void BM_Layer_Append100k(benchmark::State &state)
{
    Database &database = *store().database;
    for (auto _ : state) {
        state.PauseTiming();
        database.execute(QStringLiteral("DELETE FROM \"Neu\""));
        state.ResumeTiming();
        Table table(database, QStringLiteral("Neu"));
        table.open();
        Transaction transaction(database);
        for (int n = 1; n <= appendRows; ++n) {
            const RowText row = rowValues(n);
            table.append();
            table.field(0).setAsInteger(n);
            table.field(1).setValue(QString::fromUtf8(row.name));
            table.field(2).setValue(QString::fromUtf8(row.town));
            table.field(3).setAsFloat(row.amount);
            table.field(4).setAsDate(row.day);
            table.field(5).setAsInteger(row.quantity);
            table.post();
        }
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * appendRows);
}
BENCHMARK(BM_Layer_Append100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Raw_Append100k(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    for (auto _ : state) {
        state.PauseTiming();
        exec(raw, "DELETE FROM \"RohNeu\"");
        state.ResumeTiming();
        fillRaw(raw, "RohNeu", appendRows);
    }
    state.SetItemsProcessed(state.iterations() * appendRows);
}
BENCHMARK(BM_Raw_Append100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// --- a prefix filter over 100,000 rows

void BM_Layer_PrefixFilter100k(benchmark::State &state)
{
    Database &database = *store().database;
    for (auto _ : state) {
        Table table(database, QStringLiteral("Mittel"));
        table.setFilter(QStringLiteral("Name = 'Mül*'"));
        table.setFiltered(true);
        table.open();
        int rows = 0;
        for (; !table.eof(); table.next()) {
            consumeLayer(table);
            ++rows;
        }
        if (rows != filterRows / 50)
            state.SkipWithError("wrong row count");
    }
}
BENCHMARK(BM_Layer_PrefixFilter100k)->Unit(benchmark::kMillisecond);

void BM_Raw_PrefixFilter100k(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    for (auto _ : state) {
        sqlite3_stmt *query = prepare(raw, std::string("SELECT ") + columns
                                               + " FROM \"Mittel\" WHERE substr(\"Name\", 1, 3) = ? ORDER BY \"Nr\"");
        sqlite3_bind_text(query, 1, "Mül", -1, SQLITE_STATIC);
        int rows = 0;
        while (sqlite3_step(query) == SQLITE_ROW) {
            consumeRaw(query);
            ++rows;
        }
        sqlite3_finalize(query);
        if (rows != filterRows / 50)
            state.SkipWithError("wrong row count");
    }
}
BENCHMARK(BM_Raw_PrefixFilter100k)->Unit(benchmark::kMillisecond);

// --- adding a field to a million rows: appended (the store's own ALTER
// TABLE), and inserted in front (a copy into a new table). The layer works
// on Umbau, the raw API on RohUmbau, both the same million rows.

std::vector<std::string> rawUmbauColumns = {"\"Nr\" INTEGER NOT NULL", "\"Name\" VARCHAR(30)", "\"Ort\" VARCHAR(20)",
                                            "\"Betrag\" MONEY", "\"Datum\" DATE", "\"Menge\" INTEGER"};

void BM_Layer_AddField1M(benchmark::State &state)
{
    Database &database = *store().database;
    // Goes on across repetitions: each added field needs a new name.
    static int serial = 0;
    for (auto _ : state)
        addField(database, QStringLiteral("Umbau"), {QStringLiteral("Neu%1").arg(++serial), FieldType::Alpha, 10});
}
BENCHMARK(BM_Layer_AddField1M)->Unit(benchmark::kMicrosecond)->Iterations(20);

void BM_Raw_AddColumn1M(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    // Goes on across repetitions: each added field needs a new name.
    static int serial = 0;
    for (auto _ : state) {
        const std::string column = "\"Neu" + std::to_string(++serial) + "\" VARCHAR(10)";
        exec(raw, "ALTER TABLE \"RohUmbau\" ADD COLUMN " + column);
        rawUmbauColumns.push_back(column);
    }
}
BENCHMARK(BM_Raw_AddColumn1M)->Unit(benchmark::kMicrosecond)->Iterations(20);

void BM_Layer_InsertFieldInFront1M(benchmark::State &state)
{
    Database &database = *store().database;
    // Goes on across repetitions: each added field needs a new name.
    static int serial = 0;
    for (auto _ : state)
        addField(database, QStringLiteral("Umbau"), {QStringLiteral("Vorn%1").arg(++serial), FieldType::Long}, 0);
}
BENCHMARK(BM_Layer_InsertFieldInFront1M)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Raw_CopyIntoNewTable1M(benchmark::State &state)
{
    sqlite3 *raw = store().raw;
    // Goes on across repetitions: each added field needs a new name.
    static int serial = 0;
    for (auto _ : state) {
        std::string names;
        std::string definitions = "\"Vorn" + std::to_string(++serial) + "\" INTEGER";
        for (const std::string &column : rawUmbauColumns) {
            const std::string name = column.substr(0, column.find(' '));
            names += (names.empty() ? "" : ", ") + name;
            definitions += ", " + column;
        }
        exec(raw, "BEGIN");
        exec(raw, "CREATE TABLE \"RohKopie\" (" + definitions + ", PRIMARY KEY (\"Nr\"))");
        exec(raw, "INSERT INTO \"RohKopie\" (" + names + ") SELECT " + names + " FROM \"RohUmbau\" ORDER BY \"Nr\"");
        exec(raw, "DROP TABLE \"RohUmbau\"");
        exec(raw, "ALTER TABLE \"RohKopie\" RENAME TO \"RohUmbau\"");
        exec(raw, "COMMIT");
        rawUmbauColumns.insert(rawUmbauColumns.begin(), "\"Vorn" + std::to_string(serial) + "\" INTEGER");
    }
}
BENCHMARK(BM_Raw_CopyIntoNewTable1M)->Unit(benchmark::kMillisecond)->Iterations(2);

// --- peak memory: a fresh process opens the store and scans a table of
// 100,000 or of a million rows. Heap and mapped store pages are reported
// apart: the store's file is mapped, and its pages count as resident
// although the system can drop them; the layer's own heap must not grow
// with the table.


int memoryProbe(const QString &folder, const QString &tableName)
{
    const QByteArray before = processStatus();
    Database database(alias);
    database.setPath(folder);
    database.open();
    Table table(database, tableName);
    table.open();
    long rows = 0;
    long peakHeap = 0;
    long peakFile = 0;
    auto sample = [&] {
        const QByteArray status = processStatus();
        peakHeap = std::max(peakHeap, statusKilobytes(status, "RssAnon"));
        peakFile = std::max(peakFile, statusKilobytes(status, "RssFile"));
    };
    for (table.first(); !table.eof(); table.next()) {
        consumeLayer(table);
        if (++rows % 10000 == 0)
            sample();
    }
    sample();
    std::printf("%ld %ld %ld %ld %ld\n", statusKilobytes(before, "RssAnon"), statusKilobytes(before, "RssFile"),
                peakHeap, peakFile, rows);
    return 0;
}

void BM_Layer_PeakMemoryScan(benchmark::State &state, const char *tableName, int expectedRows)
{
    const QString folder = store().folder.path();
    for (auto _ : state) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory-probe"), folder, QString::fromLatin1(tableName)});
        if (!probe.waitForFinished(600000) || probe.exitCode() != 0) {
            state.SkipWithError("memory probe failed");
            break;
        }
        const QList<QByteArray> figures = probe.readAllStandardOutput().trimmed().split(' ');
        if (!reportMemoryFigures(state, figures, expectedRows))
            break;
    }
}
BENCHMARK_CAPTURE(BM_Layer_PeakMemoryScan, 100k_rows, "Mittel", filterRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Layer_PeakMemoryScan, 1M_rows, "Gross", bigRows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--memory-probe") == 0)
        return memoryProbe(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    benchmark::Initialize(&argc, argv);
    registerPostgresBenchmarks();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    finishPostgresBenchmarks();
    benchmark::Shutdown();
    return 0;
}
