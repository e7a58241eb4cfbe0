// Opening a table without a primary key in the order of a case-insensitive
// secondary index whose fields may be empty or null, as the goods-number
// master does: position on the first row, ask its record number (the grid
// shows the position), read a screen of rows and come back to the first one
// as the grid does (by its bookmark, then a step up that finds nothing
// before it, which keeps the cursor at the start). On 200,000 rows this must
// cost no more than twice what it costs on 200.
// Where RAZAZU_TEST_PG names a server, the same runs there too.
#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

using namespace db;

namespace {

constexpr int screenRows = 20;
const QString keylessAlias = QStringLiteral("Keyless");

TableDef goodsLayout(const QString &name)
{
    using enum FieldType;
    TableDef def;
    def.name = name;
    def.fields = {
        {QStringLiteral("waren"), Alpha, 8},
        {QStringLiteral("bez1"), Alpha, 40},
        {QStringLiteral("bez2"), Alpha, 40},
        {QStringLiteral("Land"), Alpha, 3},
        {QStringLiteral("Einheit"), Alpha, 11},
    };
    def.indexes = {
        {QStringLiteral("iLand"), {QStringLiteral("Land")}, false, true},
        {QStringLiteral("ibez"), {QStringLiteral("bez1")}, false, true},
        {QStringLiteral("iware"), {QStringLiteral("waren")}, false, true},
        {QStringLiteral("iFind"),
         {QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("Land")},
         false, true},
    };
    return def;
}

// Row n's goods number: duplicates and empty ones among them, as imported
// statistics have them, and in the second table null ones too.
QVariant goodsNumber(int n, bool withNulls)
{
    if (withNulls && n % 13 == 0)
        return QVariant();
    if (n % 11 == 0)
        return QString();
    return QStringLiteral("%1").arg((n * 7919) % 99991 / 2, 8, 10, QLatin1Char('0'));
}

struct KeylessStore
{
    QTemporaryDir folder;
    std::unique_ptr<Database> database;

    QString schema;

    KeylessStore(int rows, const QString &postgres, const QString &schemaName)
        : schema(schemaName)
    {
        if (!folder.isValid())
            throw std::runtime_error("no temporary folder");
        if (!postgres.isEmpty()) {
            QFile file(folder.filePath(keylessAlias + QStringLiteral(".pg")));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
                throw std::runtime_error("cannot write the connection file");
            QTextStream out(&file);
            for (const QString &pair : postgres.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                out << pair << '\n';
            out << "schema=" << schema << '\n';
        }
        database = std::make_unique<Database>(keylessAlias);
        database->setPath(folder.path());
        database->open();
        for (const char *name : {"Waren", "WarenNull"}) {
            database->createTable(goodsLayout(QString::fromLatin1(name)));
            fill(QString::fromLatin1(name), rows, name == std::string("WarenNull"));
        }
        if (!postgres.isEmpty())
            database->execute(QStringLiteral("ANALYZE"));
    }

    void fill(const QString &table, int rows, bool withNulls)
    {
        Transaction transaction(*database);
        constexpr int batch = 500;
        for (int first = 1; first <= rows; first += batch) {
            QString sql = QStringLiteral("INSERT INTO \"%1\" (\"waren\", \"bez1\", \"bez2\", \"Land\", \"Einheit\") VALUES ").arg(table);
            QVariantList values;
            for (int n = first; n < first + batch && n <= rows; ++n) {
                sql += values.isEmpty() ? QStringLiteral("(?,?,?,?,?)") : QStringLiteral(",(?,?,?,?,?)");
                values << goodsNumber(n, withNulls)
                       << (n % 17 == 0 ? QVariant() : QVariant(QStringLiteral("Ware %1").arg(n % 5000)))
                       << (n % 3 == 0 ? QVariant() : QVariant(QStringLiteral("zu %1").arg(n)))
                       << (n % 7 == 0 ? QVariant() : QVariant(QStringLiteral("DE")))
                       << QStringLiteral("kg");
            }
            database->execute(sql, values);
        }
        transaction.commit();
    }

    ~KeylessStore()
    {
        if (database && database->backend() == Database::Backend::PostgreSQL) {
            try {
                database->execute(QStringLiteral("DROP SCHEMA \"%1\" CASCADE").arg(schema));
            } catch (const std::exception &) {
                // The throw-away server goes anyway.
            }
        }
    }
};

// Dropped before the application ends.
std::map<std::pair<int, bool>, std::unique_ptr<KeylessStore>> keylessStores;

KeylessStore &keylessStore(int rows, bool postgres)
{
    auto &entry = keylessStores[{rows, postgres}];
    if (!entry) {
        const QString server = postgres ? qEnvironmentVariable("RAZAZU_TEST_PG").trimmed() : QString();
        const QString schema = QStringLiteral("bench_keyless_%1_%2").arg(QCoreApplication::applicationPid()).arg(rows);
        entry = std::make_unique<KeylessStore>(rows, server, schema);
    }
    return *entry;
}

// Arguments: rows, and 1 where the goods numbers hold nulls too.
void openFirstScreen(benchmark::State &state, bool postgres, const char *index)
{
    Database &database = *keylessStore(int(state.range(0)), postgres).database;
    const QString tableName = state.range(1) ? QStringLiteral("WarenNull") : QStringLiteral("Waren");
    int position = 0;
    for (auto _ : state) {
        Table table(database, tableName);
        table.setIndexName(QString::fromLatin1(index));
        table.open();
        position = table.recNo();
        const Bookmark home = table.bookmark();
        for (int i = 0; i < screenRows && !table.eof(); ++i, table.next()) {
            benchmark::DoNotOptimize(table.fieldByName(QStringLiteral("waren")).asString());
            benchmark::DoNotOptimize(table.fieldByName(QStringLiteral("bez1")).asString());
        }
        table.gotoBookmark(home);
        if (table.moveBy(-1) != 0)
            state.SkipWithError("a record before the first one");
        position += table.recNo();
        table.close();
    }
    state.counters["recNo"] = position;
}

void BM_Keyless_OpenFirstScreen(benchmark::State &state, const char *index)
{
    openFirstScreen(state, false, index);
}
BENCHMARK_CAPTURE(BM_Keyless_OpenFirstScreen, iware, "iware")->ArgsProduct({{200, 200000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keyless_OpenFirstScreen, iFind, "iFind")->ArgsProduct({{200, 200000}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_Keyless_Pg_OpenFirstScreen(benchmark::State &state, const char *index)
{
    openFirstScreen(state, true, index);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!qEnvironmentVariable("RAZAZU_TEST_PG").trimmed().isEmpty()) {
        for (const char *index : {"iware", "iFind"}) {
            benchmark::RegisterBenchmark((std::string("BM_Keyless_Pg_OpenFirstScreen/") + index).c_str(),
                                         BM_Keyless_Pg_OpenFirstScreen, index)
                ->ArgsProduct({{200, 200000}, {0, 1}})
                ->Unit(benchmark::kMillisecond);
        }
    }
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    keylessStores.clear();
    benchmark::Shutdown();
    return 0;
}
