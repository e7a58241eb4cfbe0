// A master form on a large code table. Opening the customs offices' form and
// showing its first screen of rows must cost on 100,000 records no more than
// twice what it costs on 100, since the list reads only the rows it shows.
// A prefix search through the form's filter must stay within three times the
// same query on the raw store (SQLite's C API, statement prepared each time
// as the filter's is), both reading the first screen of matches.
#include "Benchbestand.h"

#include "masterdata/Zoll.h"

#include "common/TSR_dbGrid.h"
#include "common/TfrmSuche.h"

#include "platform/db/Database.h"
#include "platform/db/Table.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>

namespace {

constexpr int screenRows = 20;

Benchbestand &store(int rows)
{
    return benchbestand(QStringLiteral("S_ZOLLST"),
                        {QStringLiteral("Zollst"), QStringLiteral("Art"), QStringLiteral("Ort"), QStringLiteral("Tart")},
                        rows, [](int n) -> QVariantList {
                            return {QStringLiteral("DE%1").arg(n, 7, 10, QLatin1Char('0')), QStringLiteral("Binnen"),
                                    QStringLiteral("Ort %1").arg(n), QStringLiteral("3")};
                        });
}

void OpenMasterForm(benchmark::State &state)
{
    store(int(state.range(0)));
    formularOeffnen<TfrmZoll>(state);
}

// The filter the form's search sets for the text criterion, and the first
// screen of what it finds.
void PrefixSearchThroughTheForm(benchmark::State &state)
{
    store(int(state.range(0)));
    TfrmZoll form;
    form.oeffnen();
    db::Table &table = *form.Table1;
    const Suchkriterium ort{QStringLiteral("Ort"), QStringLiteral("Ort"), true, 0};
    int found = 0;
    for (auto _ : state) {
        table.setFiltered(false);
        table.setFilter(suchFilter(ort, QStringLiteral("ort 1234")));
        table.setFiltered(true);
        found = 0;
        for (table.first(); !table.eof() && found < screenRows; table.next()) {
            benchmark::DoNotOptimize(table.fieldByName(QStringLiteral("Ort")).asString());
            ++found;
        }
        // Whatever the form's controls put off until the event loop runs.
        QApplication::processEvents();
    }
    state.counters["found"] = found;
}

// The raw store, once with the query as one would write it (LIKE, which
// SQLite answers from the case-insensitive index on Ort) and once with the
// bare case-insensitive prefix test, which no index serves: the filter
// translation adds a NOCASE range to it so that the index serves it.
void rawPrefixSearch(benchmark::State &state, const char *sql, const char *text)
{
    Benchbestand &s = store(int(state.range(0)));
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(s.fileName().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("open");
    int found = 0;
    for (auto _ : state) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, text, -1, SQLITE_STATIC);
        sqlite3_bind_int(statement, 2, screenRows);
        found = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < 4; ++column)
                benchmark::DoNotOptimize(QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, column))));
            ++found;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(raw);
    state.counters["found"] = found;
}

void PrefixSearchOnTheRawStore(benchmark::State &state)
{
    rawPrefixSearch(state, "SELECT \"Zollst\", \"Art\", \"Ort\", \"Tart\" FROM \"S_ZOLLST\" "
                           "WHERE \"Ort\" LIKE ? ORDER BY \"Zollst\" LIMIT ?",
                    "ort 1234%");
}

void PrefixSearchOnTheRawStoreAsTheFilterWritesIt(benchmark::State &state)
{
    rawPrefixSearch(state, "SELECT \"Zollst\", \"Art\", \"Ort\", \"Tart\" FROM \"S_ZOLLST\" "
                           "WHERE lower(substr(\"Ort\", 1, 8)) = lower(?) ORDER BY \"Zollst\" LIMIT ?",
                    "ort 1234");
}

BENCHMARK(OpenMasterForm)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchThroughTheForm)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchOnTheRawStore)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PrefixSearchOnTheRawStoreAsTheFilterWritesIt)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return benchmarksAusfuehren(argc, argv);
}
