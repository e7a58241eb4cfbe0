// Importing customer rows from a dBase and from a delimited file into a store
// table in one transaction, against a raw SQLite bulk insert of the same rows.
// Target: the imports within 2x of the raw insert.

#include "platform/files/ForeignTable.h"
#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/ValueText.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace files;
using db::FieldType;

namespace {

constexpr int rowCount = 100000;

db::TableDef customerTable()
{
    db::TableDef def;
    def.name = QStringLiteral("S_KUNDEN");
    def.fields = {{QStringLiteral("Nummer"), FieldType::Long},     {QStringLiteral("Name1"), FieldType::Alpha, 35},
                  {QStringLiteral("Name2"), FieldType::Alpha, 35}, {QStringLiteral("Strasse"), FieldType::Alpha, 35},
                  {QStringLiteral("PLZ"), FieldType::Alpha, 10},   {QStringLiteral("Ort"), FieldType::Alpha, 30},
                  {QStringLiteral("Land"), FieldType::Alpha, 3},   {QStringLiteral("Umsatz"), FieldType::Number}};
    def.primaryKey = {QStringLiteral("Nummer")};
    return def;
}

const ForeignData &customers()
{
    static const ForeignData data = [] {
        ForeignData d;
        d.definition = customerTable();
        d.rows.reserve(rowCount);
        for (int i = 1; i <= rowCount; ++i)
            d.rows.push_back({i, QStringLiteral("Müller & Söhne %1").arg(i), QStringLiteral("Großhandel"),
                              QStringLiteral("Hauptstraße %1").arg(i % 200), QStringLiteral("%1").arg(10000 + i % 80000),
                              QStringLiteral("Köln"), QStringLiteral("DE"), i * 1.25});
        return d;
    }();
    return data;
}

struct Files
{
    QTemporaryDir folder;
    QString dbase = folder.filePath(QStringLiteral("KUNDEN.DBF"));
    QString delimited = folder.filePath(QStringLiteral("kunden.csv"));

    Files()
    {
        writeDbaseFile(customers(), dbase);
        DelimitedWriter writer(delimited);
        QStringList names;
        for (const db::FieldDef &field : customers().definition.fields)
            names.append(field.name);
        writer.writeHeader(names);
        for (const QVariantList &row : customers().rows) {
            QList<DelimitedValue> values;
            for (qsizetype i = 0; i < row.size(); ++i) {
                const db::FieldType type = customers().definition.fields[i].type;
                values.append({valuetext::format(row[i], type), type == FieldType::Alpha});
            }
            writer.writeRecord(values);
        }
        writer.commit();
    }
};

Files &sampleFiles()
{
    static Files instance;
    return instance;
}

// The file opened as a table and every record appended to the store table by
// the data layer's batch copy, in one transaction.
void import(benchmark::State &state, const QString &path, const OpenOptions &options)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        db::Database store(QStringLiteral("Z_Bench"));
        store.setPath(folder.path());
        store.open();
        store.createTable(customerTable());
        state.ResumeTiming();

        auto source = openForeignTable(path, options);
        db::batchMove(source->table(), store, QStringLiteral("S_KUNDEN"), db::BatchMode::Append);
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}

void importDbase(benchmark::State &state)
{
    import(state, sampleFiles().dbase, {});
}

void importDelimited(benchmark::State &state)
{
    import(state, sampleFiles().delimited, {});
}

// The rows as a reader hands them over, ready to bind: text already UTF-8.
struct RawRow
{
    int number;
    QByteArray texts[6];
    double turnover;
};

const std::vector<RawRow> &rawRows()
{
    static const std::vector<RawRow> rows = [] {
        std::vector<RawRow> prepared;
        prepared.reserve(customers().rows.size());
        for (const QVariantList &row : customers().rows) {
            RawRow raw{row[0].toInt(), {}, row[7].toDouble()};
            for (int i = 1; i <= 6; ++i)
                raw.texts[i - 1] = row[i].toString().toUtf8();
            prepared.push_back(std::move(raw));
        }
        return prepared;
    }();
    return rows;
}

// The same rows with the SQLite C API: one prepared statement, one transaction.
void rawSqliteInsert(benchmark::State &state)
{
    const std::vector<RawRow> &rows = rawRows();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        sqlite3 *handle = nullptr;
        sqlite3_open(QDir(folder.path()).filePath(QStringLiteral("raw.sqlite")).toUtf8().constData(), &handle);
        sqlite3_exec(handle, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;", nullptr, nullptr, nullptr);
        sqlite3_exec(handle,
                     "CREATE TABLE S_KUNDEN (Nummer INTEGER PRIMARY KEY, Name1 VARCHAR(35), Name2 VARCHAR(35), "
                     "Strasse VARCHAR(35), PLZ VARCHAR(10), Ort VARCHAR(30), Land VARCHAR(3), Umsatz DOUBLE)",
                     nullptr, nullptr, nullptr);
        state.ResumeTiming();

        sqlite3_stmt *statement = nullptr;
        sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(handle, "INSERT INTO S_KUNDEN VALUES (?,?,?,?,?,?,?,?)", -1, &statement, nullptr);
        for (const RawRow &row : rows) {
            sqlite3_bind_int(statement, 1, row.number);
            for (int i = 1; i <= 6; ++i)
                sqlite3_bind_text(statement, i + 1, row.texts[i - 1].constData(), int(row.texts[i - 1].size()),
                                  SQLITE_STATIC);
            sqlite3_bind_double(statement, 8, row.turnover);
            sqlite3_step(statement);
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);

        state.PauseTiming();
        sqlite3_close(handle);
        state.ResumeTiming();
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}

} // namespace

// The parts of an import: reading the file, opening it as a table (reading
// and filling its private store), walking that table.
void readDbaseFile(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readForeignFile(sampleFiles().dbase));
}
void openDbaseAsTable(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(openForeignTable(sampleFiles().dbase));
}
void scanForeignTable(benchmark::State &state)
{
    auto source = openForeignTable(sampleFiles().dbase);
    for (auto _ : state) {
        db::Table &table = source->table();
        QList<db::Field *> fields = table.fields();
        QVariantList values(fields.size());
        for (table.first(); !table.eof(); table.next())
            for (qsizetype i = 0; i < fields.size(); ++i)
                values[i] = fields[i]->value();
    }
}
BENCHMARK(readDbaseFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(openDbaseAsTable)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(scanForeignTable)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(rawSqliteInsert)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importDbase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importDelimited)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    sampleFiles();
    rawRows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
