// Importing customer rows from a dBase and from a delimited file into a store
// table in one transaction, against a raw SQLite bulk insert of the same rows.
// Target: the imports within 2x of the raw insert, and the import's heap
// within 10% between 100,000 and 1,000,000 rows.

#include "../MemoryProbe.h"
#include "platform/files/ForeignImport.h"
#include "platform/files/ForeignTable.h"
#include "platform/files/formats/DbaseFile.h"
#include "platform/files/formats/DelimitedText.h"
#include "platform/files/formats/ValueText.h"

#include "platform/db/BatchMove.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstring>
#include <sqlite3.h>
#include <thread>

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

QVariantList customerRow(int i)
{
    return {i, QStringLiteral("Müller & Söhne %1").arg(i), QStringLiteral("Großhandel"),
            QStringLiteral("Hauptstraße %1").arg(i % 200), QStringLiteral("%1").arg(10000 + i % 80000),
            QStringLiteral("Köln"), QStringLiteral("DE"), i * 1.25};
}

const ForeignData &customers()
{
    static const ForeignData data = [] {
        ForeignData d;
        d.definition = customerTable();
        d.rows.reserve(rowCount);
        for (int i = 1; i <= rowCount; ++i)
            d.rows.push_back(customerRow(i));
        return d;
    }();
    return data;
}

// The customer rows 1..rows as a dBase file, written by the dBase writer a
// part at a time, so a million rows need not be held at once.
void writeCustomerDbase(const QString &path, int rows)
{
    constexpr int part = 100000;
    QByteArray file;
    for (int first = 1; first <= rows; first += part) {
        ForeignData data;
        data.definition = customerTable();
        for (int i = first; i < first + part && i <= rows; ++i)
            data.rows.push_back(customerRow(i));
        QByteArray bytes = writeDbase(data, path);
        if (bytes.endsWith('\x1A'))
            bytes.chop(1);
        const int headerLength = uchar(bytes[8]) | uchar(bytes[9]) << 8;
        file += first == 1 ? bytes : bytes.mid(headerLength);
    }
    for (int i = 0; i < 4; ++i)
        file[4 + i] = char((quint32(rows) >> (8 * i)) & 0xFF);
    file += '\x1A';
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writeCustomerDelimited(const QString &path, int rows)
{
    DelimitedWriter writer(path);
    QStringList names;
    for (const db::FieldDef &field : customerTable().fields)
        names.append(field.name);
    writer.writeHeader(names);
    for (int i = 1; i <= rows; ++i) {
        const QVariantList row = customerRow(i);
        QList<DelimitedValue> values;
        for (qsizetype f = 0; f < row.size(); ++f) {
            const db::FieldType type = customerTable().fields[f].type;
            values.append({valuetext::format(row[f], type), type == FieldType::Alpha});
        }
        writer.writeRecord(values);
    }
    writer.commit();
}

struct Files
{
    QTemporaryDir folder;
    QString dbase = folder.filePath(QStringLiteral("KUNDEN.DBF"));
    QString delimited = folder.filePath(QStringLiteral("kunden.csv"));

    Files()
    {
        writeCustomerDbase(dbase, rowCount);
        writeCustomerDelimited(delimited, rowCount);
    }
};

Files &sampleFiles()
{
    static Files instance;
    return instance;
}

// A fresh store with the empty customer table, made outside the timing.
struct TargetStore
{
    QTemporaryDir folder;
    db::Database store{QStringLiteral("Z_Bench")};

    TargetStore()
    {
        store.setPath(folder.path());
        store.open();
        store.createTable(customerTable());
    }
};

// The import: every record read from the file and appended to the store
// table, in one transaction.
void import(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<TargetStore>();
        state.ResumeTiming();

        importForeignFile(path, {}, target->store, QStringLiteral("S_KUNDEN"), db::BatchMode::Append);

        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}

void importDbase(benchmark::State &state)
{
    import(state, sampleFiles().dbase);
}

void importDelimited(benchmark::State &state)
{
    import(state, sampleFiles().delimited);
}

// For comparison, what the import did before: the file opened as a table
// (read into a store of its own in memory) and that table batch-moved.
void importThroughOpenedTable(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<TargetStore>();
        state.ResumeTiming();

        auto source = openForeignTable(path);
        db::batchMove(source->table(), target->store, QStringLiteral("S_KUNDEN"), db::BatchMode::Append);
        source.reset();

        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}

void importDbaseThroughOpenedTable(benchmark::State &state)
{
    importThroughOpenedTable(state, sampleFiles().dbase);
}

void importDelimitedThroughOpenedTable(benchmark::State &state)
{
    importThroughOpenedTable(state, sampleFiles().delimited);
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
// --- peak memory: a fresh process imports a file of 100,000 or of a
// million rows into a fresh store. Heap and mapped file pages are reported
// apart: the source file is mapped, and its pages count as resident although
// the system can drop them; the import's heap must not grow with the file.


int memoryProbe(const QString &path)
{
    TargetStore target;
    const QByteArray before = processStatus();
    std::atomic<long> peakHeap = 0;
    std::atomic<long> peakFile = 0;
    std::atomic<bool> done = false;
    auto sample = [&] {
        const QByteArray status = processStatus();
        peakHeap = std::max<long>(peakHeap, statusKilobytes(status, "RssAnon"));
        peakFile = std::max<long>(peakFile, statusKilobytes(status, "RssFile"));
    };
    std::thread sampler([&] {
        while (!done) {
            sample();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    const int rows = importForeignFile(path, {}, target.store, QStringLiteral("S_KUNDEN"), db::BatchMode::Append);
    done = true;
    sampler.join();
    sample();
    std::printf("%ld %ld %ld %ld %d\n", statusKilobytes(before, "RssAnon"), statusKilobytes(before, "RssFile"),
                peakHeap.load(), peakFile.load(), rows);
    return 0;
}

void importPeakMemory(benchmark::State &state, bool dbase, int rows)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(dbase ? QStringLiteral("KUNDEN.DBF") : QStringLiteral("kunden.csv"));
    if (dbase)
        writeCustomerDbase(path, rows);
    else
        writeCustomerDelimited(path, rows);
    for (auto _ : state) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-probe"), path});
        if (!probe.waitForFinished(600000) || probe.exitCode() != 0) {
            state.SkipWithError("memory probe failed");
            break;
        }
        const QList<QByteArray> figures = probe.readAllStandardOutput().trimmed().split(' ');
        if (!reportMemoryFigures(state, figures, rows))
            break;
    }
}

BENCHMARK(readDbaseFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(openDbaseAsTable)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(scanForeignTable)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(rawSqliteInsert)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(importDbase)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(importDelimited)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(importDbaseThroughOpenedTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importDelimitedThroughOpenedTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(importPeakMemory, dbase_100k_rows, true, 100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(importPeakMemory, dbase_1M_rows, true, 1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(importPeakMemory, delimited_100k_rows, false, 100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(importPeakMemory, delimited_1M_rows, false, 1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0)
        return memoryProbe(QString::fromLocal8Bit(argv[2]));
    sampleFiles();
    rawRows();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
