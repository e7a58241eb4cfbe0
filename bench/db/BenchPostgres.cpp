// The data-store layer against raw libpq on the same PostgreSQL server and
// the same tables: key lookups, a full scan in key order (against libpq's
// single-row mode), 100,000 appends in one transaction, and a batch move of
// 100,000 rows (against COPY out of the source and into the destination).
#include "BenchPostgres.h"
#include "BenchRows.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace db;

namespace bench {

namespace {

constexpr int moveRows = 100000;

void check(PGresult *result, PGconn *connection, ExecStatusType expected, const char *what)
{
    const ExecStatusType status = PQresultStatus(result);
    PQclear(result);
    if (status != expected)
        throw std::runtime_error(std::string(what) + ": " + PQerrorMessage(connection));
}

void exec(PGconn *connection, const std::string &sql)
{
    check(PQexec(connection, sql.c_str()), connection, PGRES_COMMAND_OK, sql.c_str());
}

// Reads a row the way a caller of libpq would: numbers converted from their
// text, text used where it lies.
void consumeRaw(const PGresult *result, int row)
{
    benchmark::DoNotOptimize(std::atoi(PQgetvalue(result, row, 0)));
    benchmark::DoNotOptimize(PQgetvalue(result, row, 1));
    benchmark::DoNotOptimize(PQgetlength(result, row, 1));
    benchmark::DoNotOptimize(PQgetvalue(result, row, 2));
    benchmark::DoNotOptimize(PQgetlength(result, row, 2));
    benchmark::DoNotOptimize(std::strtod(PQgetvalue(result, row, 3), nullptr));
    benchmark::DoNotOptimize(PQgetvalue(result, row, 4));
    benchmark::DoNotOptimize(std::atoi(PQgetvalue(result, row, 5)));
}

// Row n's values as text, the form libpq sends them in.
struct RowParams
{
    char number[16];
    char amount[32];
    char quantity[16];
    RowText row;
    const char *values[6];

    explicit RowParams(int n) : row(rowValues(n))
    {
        std::snprintf(number, sizeof number, "%d", n);
        std::snprintf(amount, sizeof amount, "%.2f", row.amount);
        std::snprintf(quantity, sizeof quantity, "%d", row.quantity);
        values[0] = number;
        values[1] = row.name;
        values[2] = row.town;
        values[3] = amount;
        values[4] = row.date;
        values[5] = quantity;
    }
};

void copyRows(PGconn *connection, const char *table, int rows)
{
    check(PQexec(connection, (std::string("COPY \"") + table + "\" (" + columns + ") FROM STDIN").c_str()),
          connection, PGRES_COPY_IN, "copy");
    std::string buffer;
    for (int n = 1; n <= rows; ++n) {
        const RowParams params(n);
        for (int i = 0; i < 6; ++i) {
            buffer += params.values[i];
            buffer += i < 5 ? '\t' : '\n';
        }
        if (buffer.size() > 65536 || n == rows) {
            if (PQputCopyData(connection, buffer.data(), int(buffer.size())) != 1)
                throw std::runtime_error(PQerrorMessage(connection));
            buffer.clear();
        }
    }
    PQputCopyEnd(connection, nullptr);
    check(PQgetResult(connection), connection, PGRES_COMMAND_OK, "copy end");
}

struct PgStore
{
    QTemporaryDir folder;
    QString schema = QStringLiteral("bench_%1").arg(QCoreApplication::applicationPid());
    std::unique_ptr<Database> database;
    PGconn *raw = nullptr;

    explicit PgStore(const QString &settings)
    {
        if (!folder.isValid())
            throw std::runtime_error("no temporary folder");
        QFile file(folder.filePath(alias + QStringLiteral(".pg")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            throw std::runtime_error("cannot write the connection file");
        QStringList conninfo;
        {
            QTextStream out(&file);
            for (const QString &pair : settings.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                out << pair << '\n';
                conninfo << (pair.startsWith(QLatin1String("database=")) ? QStringLiteral("dbname=") + pair.mid(9)
                                                                         : pair);
            }
            out << "schema=" << schema << '\n';
        }
        file.close();
        database = std::make_unique<Database>(alias);
        database->setPath(folder.path());
        database->open();
        for (const char *name : {"Gross", "Quelle", "Neu", "RohNeu", "Ziel", "RohZiel"})
            database->createTable(layout(QString::fromLatin1(name)));
        raw = PQconnectdb(conninfo.join(QLatin1Char(' ')).toUtf8().constData());
        if (PQstatus(raw) != CONNECTION_OK)
            throw std::runtime_error(PQerrorMessage(raw));
        exec(raw, "SET client_min_messages TO warning");
        exec(raw, "SET search_path TO \"" + schema.toStdString() + "\"");
        copyRows(raw, "Gross", bigRows);
        copyRows(raw, "Quelle", moveRows);
        exec(raw, "ANALYZE");
        database->forgetLayouts();
    }

    ~PgStore()
    {
        try {
            exec(raw, "DROP SCHEMA \"" + schema.toStdString() + "\" CASCADE");
        } catch (const std::exception &) {
            // The throw-away server goes anyway.
        }
        PQfinish(raw);
        database.reset();
    }
};

std::unique_ptr<PgStore> pgStore;

PgStore &store()
{
    if (!pgStore)
        pgStore = std::make_unique<PgStore>(qEnvironmentVariable("RAZAZU_TEST_PG").trimmed());
    return *pgStore;
}

// --- findKey on random keys

void layerFindKey(benchmark::State &state)
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

void rawFindKey(benchmark::State &state)
{
    PGconn *raw = store().raw;
    check(PQprepare(raw, "find", (std::string("SELECT ") + columns + " FROM \"Gross\" WHERE \"Nr\" = $1").c_str(),
                    1, nullptr),
          raw, PGRES_COMMAND_OK, "prepare");
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> key(1, bigRows);
    char text[16];
    const char *values[1] = {text};
    for (auto _ : state) {
        std::snprintf(text, sizeof text, "%d", key(random));
        PGresult *result = PQexecPrepared(raw, "find", 1, values, nullptr, nullptr, 0);
        if (PQresultStatus(result) != PGRES_TUPLES_OK || PQntuples(result) != 1)
            state.SkipWithError("key not found");
        else
            consumeRaw(result, 0);
        PQclear(result);
    }
    exec(raw, "DEALLOCATE find");
}

// --- a full scan of the million rows in key order

void layerScan(benchmark::State &state)
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

void rawScanSingleRow(benchmark::State &state)
{
    PGconn *raw = store().raw;
    const std::string sql = std::string("SELECT ") + columns + " FROM \"Gross\" ORDER BY \"Nr\"";
    for (auto _ : state) {
        if (!PQsendQuery(raw, sql.c_str()) || !PQsetSingleRowMode(raw))
            throw std::runtime_error(PQerrorMessage(raw));
        int rows = 0;
        while (PGresult *result = PQgetResult(raw)) {
            if (PQresultStatus(result) == PGRES_SINGLE_TUPLE) {
                consumeRaw(result, 0);
                ++rows;
            } else if (PQresultStatus(result) != PGRES_TUPLES_OK) {
                state.SkipWithError(PQerrorMessage(raw));
            }
            PQclear(result);
        }
        if (rows != bigRows)
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * bigRows);
}

// --- 100,000 appends in one transaction

void layerAppend(benchmark::State &state)
{
    Database &database = *store().database;
    for (auto _ : state) {
        state.PauseTiming();
        database.execute(QStringLiteral("TRUNCATE \"Neu\""));
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

void rawAppend(benchmark::State &state)
{
    PGconn *raw = store().raw;
    for (auto _ : state) {
        state.PauseTiming();
        exec(raw, "TRUNCATE \"RohNeu\"");
        state.ResumeTiming();
        exec(raw, "BEGIN");
        check(PQprepare(raw, "append",
                        (std::string("INSERT INTO \"RohNeu\" (") + columns + ") VALUES ($1, $2, $3, $4, $5, $6)").c_str(),
                        6, nullptr),
              raw, PGRES_COMMAND_OK, "prepare");
        for (int n = 1; n <= appendRows; ++n) {
            const RowParams params(n);
            check(PQexecPrepared(raw, "append", 6, params.values, nullptr, nullptr, 0), raw, PGRES_COMMAND_OK,
                  "insert");
        }
        exec(raw, "COMMIT");
        exec(raw, "DEALLOCATE append");
    }
    state.SetItemsProcessed(state.iterations() * appendRows);
}

// --- a batch move of 100,000 rows into an empty table

void layerBatchMove(benchmark::State &state)
{
    Database &database = *store().database;
    for (auto _ : state) {
        state.PauseTiming();
        database.execute(QStringLiteral("TRUNCATE \"Ziel\""));
        state.ResumeTiming();
        Table source(database, QStringLiteral("Quelle"));
        if (batchMove(source, database, QStringLiteral("Ziel"), BatchMode::Append) != moveRows)
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * moveRows);
}

void rawCopy(benchmark::State &state)
{
    PGconn *raw = store().raw;
    for (auto _ : state) {
        state.PauseTiming();
        exec(raw, "TRUNCATE \"RohZiel\"");
        state.ResumeTiming();
        exec(raw, "BEGIN");
        check(PQexec(raw, (std::string("COPY (SELECT ") + columns + " FROM \"Quelle\" ORDER BY \"Nr\") TO STDOUT").c_str()),
              raw, PGRES_COPY_OUT, "copy out");
        std::vector<std::string> lines;
        char *line = nullptr;
        while (PQgetCopyData(raw, &line, 0) > 0) {
            lines.emplace_back(line);
            PQfreemem(line);
        }
        check(PQgetResult(raw), raw, PGRES_COMMAND_OK, "copy out end");
        check(PQexec(raw, (std::string("COPY \"RohZiel\" (") + columns + ") FROM STDIN").c_str()), raw,
              PGRES_COPY_IN, "copy in");
        for (const std::string &text : lines) {
            if (PQputCopyData(raw, text.data(), int(text.size())) != 1)
                throw std::runtime_error(PQerrorMessage(raw));
        }
        PQputCopyEnd(raw, nullptr);
        check(PQgetResult(raw), raw, PGRES_COMMAND_OK, "copy in end");
        exec(raw, "COMMIT");
        if (lines.size() != size_t(moveRows))
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * moveRows);
}

} // namespace

void registerPostgresBenchmarks()
{
    if (qEnvironmentVariable("RAZAZU_TEST_PG").trimmed().isEmpty())
        return;
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("BM_Pg_Layer_FindKey", layerFindKey)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("BM_Pg_Raw_FindKey", rawFindKey)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("BM_Pg_Layer_Scan1M", layerScan)->Unit(benchmark::kMillisecond)->Iterations(3);
    RegisterBenchmark("BM_Pg_Raw_Scan1M_SingleRow", rawScanSingleRow)->Unit(benchmark::kMillisecond)->Iterations(3);
    RegisterBenchmark("BM_Pg_Layer_Append100k", layerAppend)->Unit(benchmark::kMillisecond)->Iterations(3);
    RegisterBenchmark("BM_Pg_Raw_Append100k", rawAppend)->Unit(benchmark::kMillisecond)->Iterations(3);
    RegisterBenchmark("BM_Pg_Layer_BatchMove100k", layerBatchMove)->Unit(benchmark::kMillisecond)->Iterations(3);
    RegisterBenchmark("BM_Pg_Raw_Copy100k", rawCopy)->Unit(benchmark::kMillisecond)->Iterations(3);
}

void finishPostgresBenchmarks()
{
    pgStore.reset();
}

} // namespace bench
